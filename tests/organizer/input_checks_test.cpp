#include "input_checks.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

using testing::TempDir;
using testing::writeFile;

TEST(InputChecks, ReportOnlyTheFirstFailureInTheirFixedOrder) {
    TempDir dir;
    writeFile(dir / "7z", "");
    writeFile(dir / "rubric.docx", "");
    writeFile(dir / "grades.zip", "");
    const std::string z = dir / "7z";
    const std::string missing = dir / "missing";
    const std::string rubric = dir / "rubric.docx";
    const std::string out = dir.path().string();
    const std::string gradebook = dir / "grades.zip";

    struct Case {
        RunInputs inputs;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {{z, gradebook, rubric, out}, std::nullopt},
        {{z, gradebook, "", out}, std::nullopt},  // no rubric is fine
        // Everything wrong: only the 7-Zip message.
        {{missing, missing, missing, missing},
         "you need to have 7-zip installed to the location selected: " + missing},
        {{z, missing, missing, missing}, "rubric file specified not found... :" + missing},
        {{z, missing, rubric, missing}, "output directory specified not found... :" + missing},
        {{z, gradebook, rubric, ""}, std::string("output directory specified not found... :")},
        {{z, missing, "", out}, "gradebook file specified not found...: " + missing},
        // Existence only: a folder passes as gradebook and rubric, a file
        // as output directory.
        {{z, out, out, gradebook}, std::nullopt},
        // A 7-Zip folder typed with a trailing separator gives a doubled
        // one before the program name, tested as it stands.
        {{out + "//7z", gradebook, "", out}, std::nullopt},
        {{out + "/ /7z", gradebook, "", out},
         "you need to have 7-zip installed to the location selected: " + out + "/ /7z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(firstFailedInputCheck(c.inputs), c.message)
            << c.inputs.sevenZipCommand << " | " << c.inputs.gradebook << " | "
            << c.inputs.rubric << " | " << c.inputs.outputDir;
    }
}

TEST(InputChecks, TakeBlanksAsTheyStandAndLookThroughLinks) {
    TempDir dir;
    writeFile(dir / "7z", "");
    writeFile(dir / "grades.zip", "");
    std::filesystem::create_symlink(dir / "grades.zip", dir / "link.zip");
    std::filesystem::create_symlink(dir / "nowhere", dir / "dangling.zip");
    const std::string out = dir.path().string();

    const RunInputs withBlank{dir / "7z", dir / "grades.zip", "", out + " "};
    EXPECT_EQ(firstFailedInputCheck(withBlank), "output directory specified not found... :" + out + " ");
    EXPECT_EQ(firstFailedInputCheck({dir / "7z", dir / "link.zip", "", out}), std::nullopt);
    EXPECT_EQ(firstFailedInputCheck({dir / "7z", dir / "dangling.zip", "", out}),
              "gradebook file specified not found...: " + (dir / "dangling.zip"));
}

}  // namespace
}  // namespace quillbox
