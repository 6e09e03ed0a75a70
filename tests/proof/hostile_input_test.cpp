// A gradebook made to hurt: names and file names a shell would run, names
// that try to leave the output directory or cannot be folders, bytes that
// are not UTF-8, and archives whose members point outside. Sorted with the
// real runner and 7-Zip, and once through quillbox-cli: nothing escapes
// the output directory, nothing runs, nothing is lost, and what cannot be
// done is listed with its files left in place.
#include "cli_process.h"
#include "gradebook_inventory.h"
#include "proof_fixtures.h"

#include <gtest/gtest.h>

#include <set>

namespace fs = std::filesystem;

namespace quillbox::testing {
namespace {

const std::string attempt = "_attempt_2024-03-01-10-00-00";

std::string prefixOf(const std::string& code) { return "Essay 1_" + code + attempt; }

// A shell handed any of these names would leave a file named "canary-...".
const std::string shellName =
    "Eve `touch canary-name`; touch canary-semi & touch canary-amp | touch canary-pipe "
    "%PATH% 'sq' \"dq\"";
const std::string shellFolder =
    "Eve `touch canary-name`; touch canary-semi & touch canary-amp | touch canary-pipe "
    "%PATH% 'sq' dq";
const std::vector<std::string> shellFileSuffixes = {
    "_$(touch canary-dollar).pdf", "_`touch canary-tick`.pdf", "_; touch canary-semi2 ;.pdf",
    "_& touch canary-amp2 &.pdf",  "_| touch canary-pipe2 |.pdf",
    "_%COMSPEC% \"dq\" 'sq' back\\slash -rf .. x.pdf"};
const std::string shellArchiveSuffix = "_$(touch canary-zip).zip";
const std::string shellMember = "inner $(touch canary-member).txt";

const std::string longName = [] {
    std::string name;
    for (int i = 0; i < 150; ++i) name += "\xC3\xBC";  // 300 bytes of "ü"
    return name;
}();
// Fits as a folder name, not with "_rubric.docx" after it.
const std::string almostTooLongName(250, 'F');

const std::string latinName = "Ren\xE9 M\xFCller";   // ISO 8859-1, not UTF-8
const std::string controlFileSuffix = "_ctl\x01\x1B\ttab\nnewline.pdf";

// One student of the hostile gradebook.
struct HostileStudent {
    std::string code;
    std::string firstLine;
    std::string folder;  // empty: no folder can be made, the files stay on top
    std::vector<std::string> handInSuffixes;  // plain files after the prefix
    std::string archiveSuffix;                 // empty: no archive
};

const std::vector<HostileStudent> students = {
    {"eve1", "Name: " + shellName + " (eve1)", shellFolder, shellFileSuffixes,
     shellArchiveSuffix},
    {"dd2", "Name: ../../escaped (dd2)", ".._.._escaped", {"_essay.pdf"}, ""},
    {"dots3", "Name: .. (dots3)", "", {"_essay.pdf"}, ""},
    {"empty4", "Name: (empty4)", "", {"_essay.pdf"}, ""},
    {"slash5", "Name: a/b\\c (slash5)", "a_b_c", {"_essay.pdf"}, ""},
    {"ctl6", "Name: Tab\tBell\aEsc\x1B (ctl6)", "Tab_Bell_Esc_", {controlFileSuffix}, ""},
    {"long7", "Name: " + longName + " (long7)", "", {"_essay.pdf"}, "_project.zip"},
    {"latin8", "Name: " + latinName + " (latin8)", latinName, {"_r\xE9sum\xE9.pdf"}, ""},
    {"trav9", "Name: Trav Ersal (trav9)", "Trav Ersal", {}, "_traversal.zip"},
    {"link10", "Name: Link Er (link10)", "Link Er", {}, "_links.zip"},
    {"star11", "Name: Star*Name (star11)", "Star*Name", {"_essay.pdf"}, "_project.7z"},
    {"fits12", "Name: " + almostTooLongName + " (fits12)", almostTooLongName, {"_essay.pdf"},
     ""},
    {"clash13", "Name: Cla Sh (clash13)", "Cla Sh", {}, "_clash.zip"},
};

// Members of the gradebook itself that point outside.
const std::string gradebookEscapee = "gradebook-escapee.txt";

class HostileGradebookTest : public ::testing::Test {
protected:
    void SetUp() override {
        buildGradebook();
        if (HasFatalFailure()) return;
        writeFile(workspace.rubric, "the rubric");
        inventory = inventoryOf(workspace.gradebook, workspace.root.path() / "inventory");
        treeBefore = treeOf(workspace.root.path(), workspace.output);
    }

    // Every student's files, each with contents of its own, packed with 7z
    // as a learning platform would; the material is removed afterwards, so
    // that anything written back to where it came from shows.
    void buildGradebook() {
        const fs::path root = workspace.root.path();
        const fs::path staging = root / "staging";
        const fs::path material = root / "material";
        fs::create_directories(staging);
        for (const HostileStudent& student : students) {
            const std::string prefix = prefixOf(student.code);
            writeFile(staging / (prefix + ".txt"), student.firstLine + "\r\nAssignment: Essay 1\r\n");
            for (const std::string& suffix : student.handInSuffixes)
                writeFile(staging / (prefix + suffix), "hand-in " + student.code + suffix);
            if (!student.archiveSuffix.empty()) {
                ASSERT_NO_FATAL_FAILURE(makeStudentArchive(
                    student.code, staging / (prefix + student.archiveSuffix), material));
            }
        }
        // 7-Zip expands the "*" itself, so no name is taken as a switch or
        // a wildcard.
        makeArchive(workspace.gradebook, staging, {"*"});

        const fs::path deep = material / "gradebook/a/b";
        fs::create_directories(deep);
        writeFile(material / "gradebook" / gradebookEscapee, "escapee of the gradebook");
        makeArchive(workspace.gradebook, deep, {"../../" + gradebookEscapee}, {"-spf"});

        fs::remove_all(staging);
        fs::remove_all(material);
    }

    static void makeStudentArchive(const std::string& code, const fs::path& archive,
                                   const fs::path& material) {
        const fs::path folder = material / code;
        fs::create_directories(folder / "sub");
        if (code == "trav9") {
            // Stored as "../../up.txt" and with its absolute path.
            fs::create_directories(folder / "a/b");
            writeFile(folder / "up.txt", "trav9 climbs up");
            writeFile(folder / "absolute.txt", "trav9 absolute");
            makeArchive(archive, folder / "a/b", {"../../up.txt", (folder / "absolute.txt").string()},
                        {"-spf"});
        } else if (code == "link10") {
            // A link out of the folder, an absolute one, and a file written
            // through the first.
            fs::create_symlink("../../../../link-escape", folder / "out-link");
            fs::create_symlink("/", folder / "root-link");
            writeFile(folder / "through.txt", "link10 through the link");
            makeArchive(archive, folder, {"out-link", "root-link", "through.txt"}, {"-snl"});
            ASSERT_EQ(runTool({sevenZipProgram, "rn", archive.string(), "through.txt",
                               "out-link/through.txt"},
                              folder),
                      0);
        } else if (code == "clash13") {
            // Members named like the files already in the student's folder
            // when the archive is unpacked there.
            writeFile(folder / (prefixOf(code) + ".txt"), "clash13 member like the info file");
            writeFile(folder / "Cla Sh_rubric.docx", "clash13 member like the rubric copy");
            makeArchive(archive, folder, {prefixOf(code) + ".txt", "Cla Sh_rubric.docx"});
        } else {
            const std::string member = code == "eve1" ? shellMember : "main.c";
            writeFile(folder / "sub" / member, "member of " + code);
            writeFile(folder / "README", "readme of " + code);
            makeArchive(archive, folder, {"sub", "README"});
        }
    }

    const HostileStudent& student(const std::string& code) const {
        for (const HostileStudent& s : students)
            if (s.code == code) return s;
        throw std::invalid_argument(code);
    }

    std::string outputPath(const std::string& name) const {
        return workspace.output.string() + "/" + name;
    }

    // What the output directory's top level must hold afterwards: the
    // folders, and the files of students that could not be sorted.
    std::set<std::string> expectedTopLevel() const {
        std::set<std::string> names{gradebookEscapee,
                                    prefixOf("link10") + student("link10").archiveSuffix,
                                    prefixOf("star11") + student("star11").archiveSuffix};
        for (const HostileStudent& s : students) {
            if (!s.folder.empty()) {
                names.insert(s.folder);
                continue;
            }
            names.insert(prefixOf(s.code) + ".txt");
            for (const std::string& suffix : s.handInSuffixes) names.insert(prefixOf(s.code) + suffix);
            if (!s.archiveSuffix.empty()) names.insert(prefixOf(s.code) + s.archiveSuffix);
        }
        return names;
    }

    std::set<std::string> topLevelOfOutput() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(workspace.output))
            names.insert(entry.path().filename().string());
        return names;
    }

    // Nothing written outside the output directory but 7-Zip's log, the
    // gradebook gone, no shell run anywhere, every file still there.
    void expectNothingEscapedRanOrWasLost() const {
        std::set<std::string> expectedTree = treeBefore;
        expectedTree.erase("downloads/gradebook.zip");
        expectedTree.insert("work/extraction1.log");
        EXPECT_EQ(treeOf(workspace.root.path(), workspace.output), expectedTree);

        for (const auto& entry : fs::recursive_directory_iterator(workspace.root.path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("canary-"))
                << entry.path();
        for (const auto& entry : fs::directory_iterator(fs::current_path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("canary-"))
                << entry.path();

        EXPECT_EQ(lostFiles(inventory, workspace.output), std::vector<std::string>{});
        EXPECT_EQ(topLevelOfOutput(), expectedTopLevel());
    }

    Workspace workspace;
    std::vector<GradebookFile> inventory;
    std::set<std::string> treeBefore;
};

TEST_F(HostileGradebookTest, SortsWhatCanBeSortedAndListsTheRest) {
    DirectCommandRunner runner;
    RecordingUi ui;
    const RunReport report = workspace.organize(runner, ui);

    expectNothingEscapedRanOrWasLost();

    // Each student that has a folder finds everything there, under the
    // names they handed in; the unpacked members stand in for the archive.
    for (const HostileStudent& s : students) {
        if (s.folder.empty()) continue;
        SCOPED_TRACE(s.code);
        const fs::path folder = workspace.output / s.folder;
        EXPECT_TRUE(fs::is_regular_file(folder / (prefixOf(s.code) + ".txt")));
        for (const std::string& suffix : s.handInSuffixes)
            EXPECT_TRUE(fs::is_regular_file(folder / (prefixOf(s.code) + suffix)));
    }
    const fs::path eve = workspace.output / shellFolder;
    EXPECT_EQ(readFile(eve / "sub" / shellMember), "member of eve1");
    EXPECT_TRUE(fs::is_regular_file(eve / (shellFolder + "_rubric.docx")));
    // 7-Zip keeps members that point outside inside the student's folder.
    std::set<std::string> travelled;
    for (const auto& [path, contents] : filesUnder(workspace.output / "Trav Ersal"))
        travelled.insert(contents);
    EXPECT_TRUE(travelled.contains("trav9 climbs up"));
    EXPECT_TRUE(travelled.contains("trav9 absolute"));
    // Unpacking never replaces a file already in the folder: the members
    // named like the information file and the rubric copy come in beside them.
    const fs::path clash = workspace.output / "Cla Sh";
    EXPECT_EQ(readFile(clash / (prefixOf("clash13") + ".txt")),
              student("clash13").firstLine + "\r\nAssignment: Essay 1\r\n");
    EXPECT_EQ(readFile(clash / "Cla Sh_rubric.docx"), "the rubric");
    EXPECT_EQ(filesUnder(clash).size(), 4u);

    // What could not be done: a folder name too long for the file system,
    // a rubric copy name likewise, an archive with links pointing out, a
    // "*" that 7-Zip would take as a wildcard; and the two names that are
    // no folder at all.
    EXPECT_EQ(report.outcome, RunOutcome::CompletedWithFailures);
    std::vector<std::string> failedSteps;
    for (const FailedStep& step : report.failures.failedSteps())
        failedSteps.push_back(step.commandText);
    const std::string unpack = "/usr/bin/7z x \"";
    EXPECT_EQ(failedSteps,
              (std::vector<std::string>{
                  "copy \"" + workspace.rubric + "\" \"" +
                      outputPath(almostTooLongName + "/" + almostTooLongName + "_rubric.docx") +
                      "\"",
                  "mkdir \"" + outputPath(longName) + "\"",
                  unpack + outputPath(prefixOf("link10") + "_links.zip") + "\" -o\"" +
                      outputPath("Link Er") + "\" -y > extraction1.log",
                  unpack + outputPath(prefixOf("star11") + "_project.7z") + "\" -o\"" +
                      outputPath("Star*Name") + "\" -y > extraction1.log",
              }));
    std::vector<std::string> unsorted;
    for (const UnsortedInfoFile& file : report.failures.unsortedInfoFiles())
        unsorted.push_back(file.path);
    EXPECT_EQ(unsorted, (std::vector<std::string>{outputPath(prefixOf("dots3") + ".txt"),
                                                  outputPath(prefixOf("empty4") + ".txt")}));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::RunFailed);
    for (const std::string& listed : failedSteps)
        EXPECT_NE(report.finalMessage.find(listed), std::string::npos) << listed;
}

TEST_F(HostileGradebookTest, QuillboxCliShowsTheNamesAsTheyAreAndRunsNothing) {
    const CliRun result = runCli({"--gradebook", workspace.gradebook, "--output",
                                  workspace.output.string(), "--rubric", workspace.rubric},
                                 workspace.work);

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    expectNothingEscapedRanOrWasLost();
    for (const std::string& suffix : shellFileSuffixes) {
        const std::string copy = "copy \"" + outputPath(prefixOf("eve1") + suffix) + "\" \"" +
                                 outputPath(shellFolder) + "/\"";
        EXPECT_NE(result.out.find(copy), std::string::npos) << copy;
    }
    EXPECT_NE(result.err.find("mkdir \"" + outputPath(longName) + "\""), std::string::npos);
    EXPECT_NE(result.err.find(outputPath(prefixOf("dots3") + ".txt")), std::string::npos);
}

}  // namespace
}  // namespace quillbox::testing
