// A realistic gradebook sorted by the whole run, with the real 7-Zip.
#include "organize_run.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace quillbox {
namespace {

using testing::CurrentDirectory;
using testing::makeArchive;
using testing::readFile;
using testing::RecordingUi;
using testing::TempDir;
using testing::writeFile;

const std::string annPrefix = "Essay 1_alee7_attempt_2024-03-01-10-00-00";
const std::string boPrefix = "Essay 1_bchan2_attempt_2024-03-02-09-30-00";
const std::string alPrefix = "Essay 1_alee71_attempt_2024-03-02-23-59-10";
const std::string cyPrefix = "Essay 1_cdee3_attempt_2024-03-03-08-15-00";

// A gradebook as a learning platform downloads it: per student an
// information file and the hand-ins, some of them archives with folders.
class GradebookTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root.path() / "staging");
        fs::create_directories(root.path() / "hand-ins/ann/essay/refs");
        fs::create_directories(root.path() / "hand-ins/bo/project/src");
        fs::create_directories(root.path() / "marking forms");
        fs::create_directories(root.path() / "downloads");
        fs::create_directories(root.path() / "work");
        fs::create_directories(out);
        writeFile(rubric, "the rubric");
    }

    void stage(const std::string& name, const std::string& contents) {
        writeFile(root.path() / "staging" / name, contents);
        expectedContents.insert(contents);
    }

    // `withRar`: Al Lee also hands in a RAR archive, which Debian's free
    // 7-Zip cannot unpack.
    void buildGradebook(bool withRar) {
        stage(annPrefix + ".txt",
              "\xEF\xBB\xBFName: Ann Lee (alee7)\r\nAssignment: Essay 1\r\nDate Submitted: "
              "Friday, 1 March 2024\r\n");
        stage(annPrefix + "_notes.txt", "My notes for the essay\r\n");
        const fs::path ann = root.path() / "hand-ins/ann";
        writeFile(ann / "essay/draft.docx", "Ann's draft");
        writeFile(ann / "essay/refs/sources.txt", "Ann's sources");
        expectedContents.insert({"Ann's draft", "Ann's sources"});
        makeArchive(root.path() / "staging" / (annPrefix + "_essay.zip"), ann, {"essay"});

        stage(boPrefix + ".txt", "Name: Bo Chan (bchan2)\nAssignment: Essay 1\n");
        stage(boPrefix + "_figure 1.png", "Bo's figure");
        const fs::path bo = root.path() / "hand-ins/bo";
        writeFile(bo / "project/src/main.c", "int main() { return 0; }");
        writeFile(bo / "project/README.md", "Bo's readme");
        expectedContents.insert({"int main() { return 0; }", "Bo's readme"});
        makeArchive(root.path() / "staging" / (boPrefix + "_project.7z"), bo, {"project"});

        stage(alPrefix + ".txt", "Name: Al Lee (alee71)\r\n");
        stage(alPrefix + "_essay.docx", "Al's essay");
        if (withRar)
            stage(alPrefix + "_old.rar", std::string("Rar!\x1A\x07\x01\x00", 8) + "not really");

        stage(cyPrefix + ".txt", "Name: \"Cy\" Dee (cdee3)\n");
        stage(cyPrefix + "_report.pdf", "Cy's report");

        std::vector<std::string> members;
        for (const auto& entry : fs::directory_iterator(root.path() / "staging"))
            members.push_back(entry.path().filename().string());
        makeArchive(gradebook, root.path() / "staging", members);
    }

    RunReport organize() {
        CurrentDirectory work(root.path() / "work");
        DirectCommandRunner runner;
        return organizeRun({testing::sevenZipProgram, gradebook, rubric, out}, runner, ui);
    }

    std::set<std::string> topLevelOfOutput() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(out))
            names.insert(entry.path().filename().string());
        return names;
    }

    void expectStudentFolders() const {
        const std::string rubricCopy = "_rubric.docx";
        const std::vector<std::pair<std::string, std::string>> expected = {
            {"Ann Lee/" + annPrefix + ".txt", ""},
            {"Ann Lee/Ann Lee" + rubricCopy, "the rubric"},
            {"Ann Lee/essay/draft.docx", "Ann's draft"},
            {"Ann Lee/essay/refs/sources.txt", "Ann's sources"},
            {"Bo Chan/" + boPrefix + ".txt", ""},
            {"Bo Chan/Bo Chan" + rubricCopy, "the rubric"},
            {"Bo Chan/" + boPrefix + "_figure 1.png", "Bo's figure"},
            {"Bo Chan/project/src/main.c", "int main() { return 0; }"},
            {"Bo Chan/project/README.md", "Bo's readme"},
            {"Al Lee/" + alPrefix + ".txt", ""},
            {"Al Lee/Al Lee" + rubricCopy, "the rubric"},
            {"Al Lee/" + alPrefix + "_essay.docx", "Al's essay"},
            {"Cy Dee/" + cyPrefix + ".txt", ""},
            {"Cy Dee/Cy Dee" + rubricCopy, "the rubric"},
            {"Cy Dee/" + cyPrefix + "_report.pdf", "Cy's report"},
        };
        for (const auto& [file, contents] : expected) {
            SCOPED_TRACE(file);
            ASSERT_TRUE(fs::is_regular_file(fs::path(out) / file));
            if (!contents.empty()) {
                EXPECT_EQ(readFile(fs::path(out) / file), contents);
            }
        }
    }

    // Every file of the gradebook is still somewhere under the output
    // directory; an unpacked archive's members stand in for it.
    void expectNothingLost() const {
        std::multiset<std::string> found;
        for (const auto& [path, contents] : testing::filesUnder(out)) found.insert(contents);
        for (const std::string& contents : expectedContents)
            EXPECT_EQ(found.count(contents), 1u) << contents;
    }

    std::vector<std::string> copyMessages() const {
        std::vector<std::string> texts;
        for (const auto& message : ui.messages)
            if (message.kind == MessageKind::CopyCommand) texts.push_back(message.text);
        return texts;
    }

    TempDir root;
    const std::string out = root / "marks/Essay 1";
    const std::string rubric = root / "marking forms/Essay rubric v2.docx";
    const std::string gradebook = root / "downloads/gradebook_Essay 1.zip";
    std::set<std::string> expectedContents;
    RecordingUi ui;
};

TEST_F(GradebookTest, EveryStudentGetsAFolderAndTheRarHandInStaysListed) {
    buildGradebook(true);
    const RunReport report = organize();

    EXPECT_FALSE(fs::exists(gradebook));
    expectStudentFolders();
    expectNothingLost();
    // The student's own notes and the archive 7-Zip could not unpack stay.
    EXPECT_EQ(topLevelOfOutput(),
              (std::set<std::string>{"Al Lee", "Ann Lee", "Bo Chan", "Cy Dee",
                                     annPrefix + "_notes.txt", alPrefix + "_old.rar"}));

    EXPECT_EQ(report.outcome, RunOutcome::CompletedWithFailures);
    ASSERT_EQ(report.failures.failedSteps().size(), 1u);
    const std::string rarUnpack = report.failures.failedSteps()[0].commandText;
    EXPECT_EQ(rarUnpack, "/usr/bin/7z x \"" + out + "/" + alPrefix + "_old.rar\" -o\"" + out +
                             "/Al Lee\" -y > extraction1.log");
    EXPECT_TRUE(report.failures.unsortedInfoFiles().empty());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::RunFailed);
    EXPECT_NE(ui.messages.back().text.find(rarUnpack), std::string::npos);
    EXPECT_NE(ui.messages.back().text.find("left where they were"), std::string::npos);
    for (const auto& message : ui.messages) EXPECT_NE(message.text, successMessage);

    // Three of five steps for each student, two for each archive tried.
    EXPECT_EQ(ui.maximum, 20);
    EXPECT_EQ(ui.highestValue, 18);
    EXPECT_EQ(ui.value, 0);
}

TEST_F(GradebookTest, AGradebookThatSortsCleanlyEndsInSuccess) {
    buildGradebook(false);
    const RunReport report = organize();

    expectStudentFolders();
    expectNothingLost();
    EXPECT_EQ(topLevelOfOutput(), (std::set<std::string>{"Al Lee", "Ann Lee", "Bo Chan", "Cy Dee",
                                                         annPrefix + "_notes.txt"}));
    EXPECT_EQ(report.outcome, RunOutcome::Succeeded);
    EXPECT_EQ(ui.messages.back().text, successMessage);
    EXPECT_EQ(copyMessages(),
              (std::vector<std::string>{
                  "copy \"" + out + "/" + alPrefix + "_essay.docx\" \"" + out + "/Al Lee/\"",
                  "copy \"" + out + "/" + boPrefix + "_figure 1.png\" \"" + out + "/Bo Chan/\"",
                  "copy \"" + out + "/" + cyPrefix + "_report.pdf\" \"" + out + "/Cy Dee/\""}));
    EXPECT_EQ(ui.consoleLines, (std::vector<std::string>{"Found the following zip files:",
                                                         "Finished finding all user Codes"}));
    EXPECT_EQ(ui.maximum, 20);
    EXPECT_EQ(ui.highestValue, 16);  // Al Lee handed in no archive

    // A second run over the sorted folder has no gradebook to unpack.
    const RunReport again = organize();
    EXPECT_EQ(again.outcome, RunOutcome::InputRejected);
}

}  // namespace
}  // namespace quillbox
