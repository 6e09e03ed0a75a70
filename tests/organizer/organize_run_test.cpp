#include "organize_run.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace quillbox {
namespace {

using testing::filesUnder;
using testing::makeArchive;
using testing::readFile;
using testing::RecordingUi;
using testing::TempDir;
using testing::writeFile;

class OrganizeRunFrame : public ::testing::Test {
protected:
    TempDir dir;
    DirectCommandRunner runner{dir / "extraction1.log"};
    RecordingUi ui;

    void SetUp() override {
        fs::create_directories(dir.path() / "source" / "handouts");
        fs::create_directories(dir.path() / "out");
        writeFile(dir / "source/handouts/brief.md", "brief");
        writeFile(dir / "source/marking scheme.pdf", "scheme");
    }

    RunInputs inputs(const std::string& gradebook) const {
        return {testing::sevenZipProgram, gradebook, "", dir / "out"};
    }
};

TEST_F(OrganizeRunFrame, UnpacksTheGradebookDeletesItAndReportsSuccess) {
    makeArchive(dir.path() / "grades.zip", dir.path() / "source", {"handouts", "marking scheme.pdf"});
    ui.setProgressMaximum(10);
    ui.value = 7;  // left over from an earlier run

    const RunReport report = organizeRun(inputs(dir / "grades.zip"), runner, ui);

    EXPECT_EQ(report.outcome, RunOutcome::Succeeded);
    EXPECT_EQ(filesUnder(dir.path() / "out"),
              (decltype(filesUnder({})){{"handouts/brief.md", "brief"},
                                        {"marking scheme.pdf", "scheme"}}));
    EXPECT_FALSE(fs::exists(dir.path() / "grades.zip"));
    EXPECT_EQ(ui.value, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Gradebook Successfully unpacked");
    EXPECT_EQ(ui.messages[0].kind, MessageKind::RunSucceeded);
    ASSERT_FALSE(ui.consoleLines.empty());
    EXPECT_EQ(ui.consoleLines[0], "Found the following zip files:");

    // The gradebook is gone, so the same inputs now stop at its check.
    RecordingUi again;
    EXPECT_EQ(organizeRun(inputs(dir / "grades.zip"), runner, again).outcome,
              RunOutcome::InputRejected);
    EXPECT_EQ(again.messages.at(0).text, "gradebook file specified not found...: " + (dir / "grades.zip"));
}

TEST_F(OrganizeRunFrame, AFailedCheckShowsOneMessageAndTouchesNothing) {
    makeArchive(dir.path() / "grades.zip", dir.path() / "source", {"handouts"});
    const auto before = filesUnder(dir.path());
    RunInputs bad = inputs(dir / "grades.zip");
    bad.rubric = dir / "no-rubric.docx";

    const RunReport report = organizeRun(bad, runner, ui);

    EXPECT_EQ(report.outcome, RunOutcome::InputRejected);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "rubric file specified not found... :" + bad.rubric);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::InputRejected);
    EXPECT_TRUE(ui.consoleLines.empty());
    EXPECT_EQ(filesUnder(dir.path()), before);
}

TEST_F(OrganizeRunFrame, AGradebookThatDoesNotUnpackIsKeptAndTheRunSaysWhy) {
    writeFile(dir / "grades.zip", "PK\x03\x04 damaged in the download");
    ui.setProgressMaximum(10);
    ui.value = 3;

    const RunReport report = organizeRun(inputs(dir / "grades.zip"), runner, ui);

    EXPECT_EQ(report.outcome, RunOutcome::CompletedWithFailures);
    EXPECT_EQ(readFile(dir / "grades.zip"), "PK\x03\x04 damaged in the download");
    EXPECT_EQ(ui.value, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& message = ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].kind, MessageKind::RunFailed);
    EXPECT_NE(message.find(dir / "grades.zip"), std::string::npos) << message;
    EXPECT_NE(message.find("Cannot open the file as"), std::string::npos) << "7-Zip's own words";
    EXPECT_NE(message.find(dir / "extraction1.log"), std::string::npos) << message;
    EXPECT_EQ(message.find("Successfully"), std::string::npos);
    EXPECT_TRUE(ui.consoleLines.empty()) << "nothing was scanned";
}

}  // namespace
}  // namespace quillbox
