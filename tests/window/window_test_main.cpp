#include "forms/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // No display is needed; ctest sets this too.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    if (!GTEST_FLAG_GET(list_tests)) {
        forms::Application::SetCompatibleTextRenderingDefault(false);
        forms::Application::EnableVisualStyles();
    }
    return RUN_ALL_TESTS();
}
