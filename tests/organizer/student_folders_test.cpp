#include "student_folders.h"

#include "recording_runner.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace quillbox {
namespace {

using testing::RecordingRunner;
using testing::RecordingUi;
using testing::TempDir;
using testing::writeFile;

std::string quoted(const std::string& text) { return '"' + text + '"'; }

struct Stage {
    std::string stage;
    int done;
    int total;
    bool operator==(const Stage&) const = default;
};

class StageRecordingUi : public RecordingUi {
public:
    void reportStage(const std::string& stage, int done, int total) override {
        stages.push_back({stage, done, total});
    }
    std::vector<Stage> stages;
};

// An unpacked gradebook in a temporary output directory, sorted with a
// runner that records instead of acting.
class SortingTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return out + "/" + name; }

    void infoFile(const std::string& code, const std::string& firstLine,
                  const std::string& attempt = "2024-03-01") {
        writeFile(path("Essay 1_" + code + "_attempt_" + attempt + ".txt"),
                  firstLine + "\r\nAssignment: Essay 1\r\n");
    }
    void handIn(const std::string& name) { writeFile(path(name), "contents of " + name); }

    void sort(const std::string& rubric = "") {
        sortIntoStudentFolders({out, rubric, SevenZip::fromProgramPath("/usr/bin/7z")}, runner,
                               ui, failures);
    }

    std::string mkdir(const std::string& folder) { return "mkdir " + quoted(path(folder)); }
    std::string moveIn(const std::string& file, const std::string& folder, bool trailing) {
        return "copy " + quoted(path(file)) + " " + quoted(path(folder) + (trailing ? "/" : ""));
    }
    std::string del(const std::string& file) { return "del " + quoted(path(file)); }
    std::string unpack(const std::string& archive, const std::string& folder) {
        return "/usr/bin/7z x " + quoted(path(archive)) + " -o" + quoted(path(folder)) +
               " -y > extraction1.log";
    }
    std::string rubricCopy(const std::string& rubric, const std::string& folder,
                           const std::string& extension) {
        return "copy " + quoted(rubric) + " " +
               quoted(path(folder) + "/" + folder + "_rubric" + extension);
    }

    std::vector<std::string> copyMessages() const {
        std::vector<std::string> texts;
        for (const auto& message : ui.messages) {
            EXPECT_EQ(message.kind, MessageKind::CopyCommand);
            texts.push_back(message.text);
        }
        return texts;
    }

    std::vector<std::string> unsortedFiles() const {
        std::vector<std::string> files;
        for (const auto& file : failures.unsortedInfoFiles()) files.push_back(file.path);
        return files;
    }

    std::vector<std::string> failedSteps() const {
        std::vector<std::string> steps;
        for (const auto& step : failures.failedSteps()) steps.push_back(step.commandText);
        return steps;
    }

    TempDir dir;
    std::string out = dir.path().string();
    RecordingRunner runner;
    StageRecordingUi ui;
    RunFailures failures;
};

TEST_F(SortingTest, AnnLeeAndBoChan) {
    infoFile("alee7", "Name: Ann Lee (alee7)");
    infoFile("bchan2", "Name: Bo Chan (bchan2)");
    handIn("Essay 1_alee7_attempt_2024-03-01_essay.zip");
    handIn("Essay 1_bchan2_attempt_2024-03-01_report.docx");
    handIn("Essay 1_bchan2_attempt_2024-03-01_figure.png");

    sort("/forms/marking rubric.v2.docx");

    const std::string annInfo = "Essay 1_alee7_attempt_2024-03-01.txt";
    const std::string boInfo = "Essay 1_bchan2_attempt_2024-03-01.txt";
    const std::string annZip = "Essay 1_alee7_attempt_2024-03-01_essay.zip";
    const std::string boFigure = "Essay 1_bchan2_attempt_2024-03-01_figure.png";
    const std::string boReport = "Essay 1_bchan2_attempt_2024-03-01_report.docx";
    EXPECT_EQ(runner.commands,
              (std::vector<std::string>{
                  mkdir("Ann Lee"),
                  moveIn(annInfo, "Ann Lee", false),
                  del(annInfo),
                  rubricCopy("/forms/marking rubric.v2.docx", "Ann Lee", ".docx"),
                  mkdir("Bo Chan"),
                  moveIn(boInfo, "Bo Chan", false),
                  del(boInfo),
                  rubricCopy("/forms/marking rubric.v2.docx", "Bo Chan", ".docx"),
                  unpack(annZip, "Ann Lee"),
                  del(annZip),
                  mkdir("Bo Chan"),
                  moveIn(boFigure, "Bo Chan", true),
                  del(boFigure),
                  mkdir("Bo Chan"),
                  moveIn(boReport, "Bo Chan", true),
                  del(boReport),
              }));
    EXPECT_EQ(copyMessages(), (std::vector<std::string>{moveIn(boFigure, "Bo Chan", true),
                                                        moveIn(boReport, "Bo Chan", true)}));
    EXPECT_EQ(ui.consoleLines, (std::vector<std::string>{"Finished finding all user Codes"}));
    EXPECT_EQ(ui.maximum, 10);
    EXPECT_EQ(ui.value, 8);
    EXPECT_EQ(ui.stages, (std::vector<Stage>{{stageInformationFiles, 1, 2},
                                             {stageInformationFiles, 2, 2},
                                             {stageArchives, 1, 2},
                                             {stageArchives, 2, 2},
                                             {stageRemainingFiles, 1, 2},
                                             {stageRemainingFiles, 2, 2}}));
    EXPECT_TRUE(failures.empty());
}

TEST_F(SortingTest, ProgressCountsFiveStepsPerStudentAtMost) {
    for (const char* code : {"aa1", "bb2", "cc3"}) {
        infoFile(code, std::string("Name: Student ") + code + " (" + code + ")");
        handIn(std::string("Essay 1_") + code + "_attempt_2024-03-01_work.7z");
    }
    sort("/forms/rubric");
    EXPECT_EQ(ui.maximum, 15);
    EXPECT_EQ(ui.highestValue, 15);
    // No extension in the rubric's file name: none in the copy's.
    EXPECT_EQ(runner.commands[3], rubricCopy("/forms/rubric", "Student aa1", ""));
}

TEST_F(SortingTest, TwoStudentsWithoutRubricOrArchives) {
    infoFile("aa1", "Name: Ann (aa1)");
    infoFile("bb2", "Name: Bo (bb2)");
    sort();
    EXPECT_EQ(ui.maximum, 10);
    EXPECT_EQ(ui.value, 4);
}

TEST_F(SortingTest, NoInformationFiles) {
    handIn("stray.docx");
    sort("/forms/rubric.docx");
    EXPECT_EQ(ui.maximum, 0);
    EXPECT_TRUE(runner.commands.empty());
    EXPECT_EQ(ui.consoleLines, (std::vector<std::string>{"Finished finding all user Codes"}));
    EXPECT_TRUE(failures.empty());
}

TEST_F(SortingTest, OnlyInformationFilesBecomeStudents) {
    infoFile("alee7", "Name: Ann Lee (alee7)");
    // A student's own notes: no code on the first line, a code its name
    // lacks, a code without ")", a folder and a link that look the part.
    writeFile(path("Essay 1_alee7_attempt_2024-03-01_notes.txt"), "My notes\n");
    writeFile(path("Essay 1_alee7_attempt_2024-03-01_todo.txt"), "Name: Bo Chan (bchan2)\n");
    writeFile(path("Essay 1_cdee3_attempt_2024-03-01_x.txt"), "Name: Cy Dee (cdee3\n");
    writeFile(path("Essay 1_cdee3_attempt_2024-03-01_y.txt"), "Name: Cy Dee ()\n");
    fs::create_directory(path("Essay 1_bchan2_attempt_2024-03-01.txt"));
    fs::create_symlink(path("Essay 1_alee7_attempt_2024-03-01.txt"),
                       path("Essay 1_alee71_attempt_2024-03-01.txt"));
    writeFile(path("Essay 1_rubric_alee71.txt"), "Name: Al Lee (alee71)\n");

    RunFailures scanFailures;
    const PathTables tables = scanOutputDirectory(listDirectory(out).entries, scanFailures);
    EXPECT_EQ(tables.txtFiles, (std::vector<std::string>{path("Essay 1_alee7_attempt_2024-03-01.txt")}));
    EXPECT_EQ(tables.studentNames, (std::vector<std::string>{"Ann Lee"}));
    EXPECT_EQ(tables.userCodes, (std::vector<std::string>{"alee7"}));
    EXPECT_EQ(tables.studentCount(), 1u);
    EXPECT_TRUE(scanFailures.empty());

    sort();
    EXPECT_EQ(ui.maximum, 5);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(runner.commands.size(), 3u);  // mkdir, copy, del of the one information file
}

TEST_F(SortingTest, FolderNames) {
    struct Case {
        std::string name;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {"Ann Lee", "Ann Lee"},
        {"../../somewhere", ".._.._somewhere"},
        {"a\\b/c", "a_b_c"},
        {std::string("tab\there\x01\x1F\x7F", 11), "tab_here___"},
        {std::string("nul\0byte", 8), "nul_byte"},
        {"Zo\xC3\xAB", "Zo\xC3\xAB"},
        {"...", "..."},
        {"", std::nullopt},
        {".", std::nullopt},
        {"..", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(folderNameFor(c.name), c.folder);
    }
}

TEST(StudentFolders, SameNamesGetDistinctFoldersUnlessTheCodeIsTheSame) {
    const std::vector<std::string> names = {"Ann", "Ann", "Ann", "Ann (cc3)", "Ann", "Ann", "a/b",
                                            "a_b", ".."};
    const std::vector<std::string> codes = {"aa1", "bb2", "aa1", "zz9", "cc3", "bb2", "dd4",
                                            "ee5", "ff6"};
    const std::vector<std::string> folders = {"Ann", "Ann (bb2)", "Ann", "Ann (cc3)", "",
                                              "Ann (bb2)", "a_b", "a_b (ee5)", ""};
    const std::vector<StudentFolder> assigned = assignStudentFolders(names, codes);
    ASSERT_EQ(assigned.size(), folders.size());
    for (std::size_t i = 0; i < folders.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(assigned[i].name, folders[i]);
        EXPECT_EQ(assigned[i].whyUnsorted.empty(), !folders[i].empty());
    }
}

TEST_F(SortingTest, UnusableNamesLeaveTheStudentUnsortedAndListed) {
    infoFile("alee7", "Name: .. (alee7)");
    infoFile("bchan2", "Name: (bchan2)");
    infoFile("cdee3", "Name: Cy Dee (cdee3)");
    handIn("Essay 1_alee7_attempt_2024-03-01_essay.zip");
    handIn("Essay 1_bchan2_attempt_2024-03-01_essay.docx");
    sort("/forms/rubric.docx");

    // Only Cy Dee's commands ran; the others' files were not touched.
    EXPECT_EQ(runner.commands.size(), 4u);
    for (const std::string& command : runner.commands) {
        EXPECT_EQ(command.find("alee7"), std::string::npos) << command;
        EXPECT_EQ(command.find("bchan2"), std::string::npos) << command;
    }
    EXPECT_EQ(unsortedFiles(), (std::vector<std::string>{path("Essay 1_alee7_attempt_2024-03-01.txt"),
                                                         path("Essay 1_bchan2_attempt_2024-03-01.txt")}));
    EXPECT_EQ(ui.maximum, 15);
    EXPECT_EQ(ui.value, 3);
}

TEST_F(SortingTest, TheLongestCodeClaimsAFile) {
    infoFile("alee7", "Name: Ann Lee (alee7)");
    infoFile("alee71", "Name: Al Lee (alee71)");
    infoFile("lee", "Name: Lee (lee)");
    handIn("Essay 1_alee71_attempt_2024-03-01_a.zip");  // first in table order
    handIn("Essay 1_alee7_attempt_2024-03-01_b.zip");
    handIn("Essay 1_alee71_attempt_2024-03-01_essay.docx");
    handIn("Essay 1_a.lee_attempt_2024-03-01_essay.docx");  // "lee" as a whole word
    fs::create_directory(path("Essay 1_alee7_attempt_2024-03-01_folder"));
    sort();

    const std::vector<std::string> expected = {
        unpack("Essay 1_alee71_attempt_2024-03-01_a.zip", "Al Lee"),
        unpack("Essay 1_alee7_attempt_2024-03-01_b.zip", "Ann Lee"),
        moveIn("Essay 1_alee71_attempt_2024-03-01_essay.docx", "Al Lee", true),
        moveIn("Essay 1_a.lee_attempt_2024-03-01_essay.docx", "Lee", true),
    };
    for (const std::string& command : expected)
        EXPECT_EQ(std::count(runner.commands.begin(), runner.commands.end(), command), 1) << command;
    // Phase 5 in table order of students (Al Lee's info file sorts first).
    const auto alIndex = std::find(runner.commands.begin(), runner.commands.end(), expected[0]);
    const auto annIndex = std::find(runner.commands.begin(), runner.commands.end(), expected[1]);
    EXPECT_LT(alIndex, annIndex);
    for (const std::string& command : runner.commands)
        EXPECT_EQ(command.find("_folder"), std::string::npos) << command;
    EXPECT_TRUE(failures.empty());
}

TEST_F(SortingTest, TwoAttemptsShareAFolderOneRubricCopyAndOneArchive) {
    infoFile("alee7", "Name: Ann Lee (alee7)", "2024-03-01");
    infoFile("alee7", "Name: Ann Lee (alee7)", "2024-03-02");
    handIn("Essay 1_alee7_attempt_2024-03-01_a.zip");
    handIn("Essay 1_alee7_attempt_2024-03-02_b.zip");
    sort("/forms/rubric.docx");

    const std::vector<std::string> expected = {
        mkdir("Ann Lee"),
        moveIn("Essay 1_alee7_attempt_2024-03-01.txt", "Ann Lee", false),
        del("Essay 1_alee7_attempt_2024-03-01.txt"),
        rubricCopy("/forms/rubric.docx", "Ann Lee", ".docx"),
        mkdir("Ann Lee"),
        moveIn("Essay 1_alee7_attempt_2024-03-02.txt", "Ann Lee", false),
        del("Essay 1_alee7_attempt_2024-03-02.txt"),
        // The first archive only; the second stays.
        unpack("Essay 1_alee7_attempt_2024-03-01_a.zip", "Ann Lee"),
        del("Essay 1_alee7_attempt_2024-03-01_a.zip"),
    };
    EXPECT_EQ(runner.commands, expected);
    EXPECT_EQ(ui.value, 8);  // the shared rubric copy counts as done
    EXPECT_TRUE(failures.empty());
}

TEST_F(SortingTest, FailedCommandsKeepTheirSourceAndAreListed) {
    infoFile("alee7", "Name: Ann Lee (alee7)");
    infoFile("bchan2", "Name: Bo Chan (bchan2)");
    infoFile("cdee3", "Name: Cy Dee (cdee3)");
    handIn("Essay 1_alee7_attempt_2024-03-01_essay.zip");
    handIn("Essay 1_alee7_attempt_2024-03-01_report.docx");
    handIn("Essay 1_bchan2_attempt_2024-03-01_essay.7z");
    handIn("Essay 1_bchan2_attempt_2024-03-01_report.docx");
    handIn("Essay 1_cdee3_attempt_2024-03-01_essay.zip");
    handIn("Essay 1_cdee3_attempt_2024-03-01_report.docx");

    const std::string annInfo = "Essay 1_alee7_attempt_2024-03-01.txt";
    const std::string boZip = "Essay 1_bchan2_attempt_2024-03-01_essay.7z";
    const std::string boReport = "Essay 1_bchan2_attempt_2024-03-01_report.docx";
    runner.failCommand(moveIn(annInfo, "Ann Lee", false), "disk full");
    runner.failCommand(unpack(boZip, "Bo Chan"), "damaged archive");
    runner.failCommand(moveIn(boReport, "Bo Chan", true), "a file of that name is already there");
    runner.failCommand(mkdir("Cy Dee"), "something other than a folder is already there");
    sort("/forms/rubric.docx");

    auto ran = [&](const std::string& command) {
        return std::count(runner.commands.begin(), runner.commands.end(), command);
    };
    EXPECT_EQ(ran(del(annInfo)), 0);
    EXPECT_EQ(ran(del(boZip)), 0);
    EXPECT_EQ(ran(del(boReport)), 0);
    // Ann's folder is there; her other steps go on.
    EXPECT_EQ(ran(del("Essay 1_alee7_attempt_2024-03-01_essay.zip")), 1);
    EXPECT_EQ(ran(del("Essay 1_alee7_attempt_2024-03-01_report.docx")), 1);
    // No folder for Cy Dee: nothing of hers is touched after the mkdir.
    EXPECT_EQ(ran(mkdir("Cy Dee")), 1);
    for (const std::string& command : runner.commands) {
        if (command == mkdir("Cy Dee")) continue;
        EXPECT_EQ(command.find("cdee3"), std::string::npos) << command;
        EXPECT_EQ(command.find("Cy Dee"), std::string::npos) << command;
    }

    EXPECT_EQ(failedSteps(), (std::vector<std::string>{moveIn(annInfo, "Ann Lee", false),
                                                       mkdir("Cy Dee"), unpack(boZip, "Bo Chan"),
                                                       moveIn(boReport, "Bo Chan", true)}));
    EXPECT_EQ(failures.failedSteps()[0].reason, "disk full");
    // Ann 3 + 2, Bo 3 + 2 (the delete not run still counts), Cy none.
    EXPECT_EQ(ui.value, 10);
    EXPECT_EQ(ui.maximum, 15);
}

TEST_F(SortingTest, ARubricCopyAlreadyThereCountsAsDone) {
    infoFile("alee7", "Name: Ann Lee (alee7)");
    infoFile("bchan2", "Name: Bo Chan (bchan2)");
    runner.reportTargetExists(rubricCopy("/forms/rubric.docx", "Ann Lee", ".docx"));
    runner.failCommand(rubricCopy("/forms/rubric.docx", "Bo Chan", ".docx"), "no space left");
    sort("/forms/rubric.docx");
    EXPECT_EQ(failedSteps(),
              (std::vector<std::string>{rubricCopy("/forms/rubric.docx", "Bo Chan", ".docx")}));
    EXPECT_EQ(ui.value, 6);
}

TEST_F(SortingTest, ManyStudents) {
    // No fixed capacity: every student of a large class is sorted.
    constexpr int students = 450;
    for (int i = 0; i < students; ++i) {
        const std::string code = "s" + std::to_string(100000 + i);
        infoFile(code, "Name: Student " + code + " (" + code + ")");
        handIn("Essay 1_" + code + "_attempt_2024-03-01_essay.docx");
    }
    sort();
    EXPECT_EQ(ui.maximum, 5 * students);
    EXPECT_EQ(ui.value, 2 * students);
    EXPECT_EQ(ui.messages.size(), static_cast<std::size_t>(students));
    EXPECT_EQ(ui.messages.back().text,
              moveIn("Essay 1_s100449_attempt_2024-03-01_essay.docx", "Student s100449", true));
    EXPECT_TRUE(failures.empty());
}

}  // namespace
}  // namespace quillbox
