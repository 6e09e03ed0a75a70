#include "command_runner.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace quillbox {
namespace {

using testing::CurrentDirectory;
using testing::makeArchive;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

const SevenZip realSevenZip = SevenZip::fromProgramPath(testing::sevenZipProgram);

ino_t inodeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_ino;
}

class RunnerTest : public ::testing::Test {
protected:
    TempDir dir;
    DirectCommandRunner runner{dir / "extraction1.log"};

    // A gradebook of two files, one in a subfolder, made with the real 7z.
    std::string makeGradebook(const std::string& name) {
        const fs::path source = dir.path() / "source";
        fs::create_directories(source / "sub");
        writeFile(source / "a_alee7_attempt.txt", "Name: Ann Lee (alee7)\n");
        writeFile(source / "sub" / "notes.md", "notes");
        makeArchive(dir.path() / name, source, {"a_alee7_attempt.txt", "sub"});
        return dir / name;
    }
};

TEST_F(RunnerTest, UnpacksAGradebookAndLogsSevenZipsOutput) {
    const std::string gradebook = makeGradebook("grades.zip");
    fs::create_directory(dir.path() / "out");

    const CommandResult result =
        runner.run(Command::extractGradebook(realSevenZip, gradebook, dir / "out"));

    ASSERT_TRUE(result.succeeded) << result.reason;
    EXPECT_EQ(readFile(dir.path() / "out" / "a_alee7_attempt.txt"), "Name: Ann Lee (alee7)\n");
    EXPECT_EQ(readFile(dir.path() / "out" / "sub" / "notes.md"), "notes");
    EXPECT_NE(readFile(dir.path() / "extraction1.log").find("Everything is Ok"), std::string::npos);
    EXPECT_TRUE(fs::exists(gradebook)) << "the runner unpacks; deleting is a command of its own";
}

TEST_F(RunnerTest, WritesTheLogInTheCurrentDirectoryByDefault) {
    const std::string gradebook = makeGradebook("grades.7z");
    const fs::path elsewhere = dir.path() / "elsewhere";
    fs::create_directory(elsewhere);
    CurrentDirectory cd(elsewhere);
    DirectCommandRunner defaultRunner;

    ASSERT_TRUE(defaultRunner.run(Command::extractGradebook(realSevenZip, gradebook, dir / "out"))
                    .succeeded);
    EXPECT_TRUE(fs::is_regular_file(elsewhere / "extraction1.log"));
    EXPECT_EQ(defaultRunner.extractionLogPath(), (elsewhere / "extraction1.log").string());
}

TEST_F(RunnerTest, ReportsFailedExtractionsAndKeepsTheArchive) {
    writeFile(dir / "damaged.zip", "PK\x03\x04 this is no archive");
    const SevenZip missingProgram = SevenZip::fromProgramPath(dir / "no-7z-here");
    fs::create_directory(dir.path() / "log-is-a-folder");
    DirectCommandRunner unwritableLog(dir / "log-is-a-folder");

    struct Case {
        const char* what;
        DirectCommandRunner& runner;
        SevenZip sevenZip;
        std::string expectedInReason;
    };
    Case cases[] = {
        {"damaged archive", runner, realSevenZip, "damaged.zip"},
        {"7-Zip missing", runner, missingProgram, "could not be started"},
        {"log cannot be written", unwritableLog, realSevenZip, "cannot be written"},
    };
    for (Case& c : cases) {
        const CommandResult result =
            c.runner.run(Command::extractGradebook(c.sevenZip, dir / "damaged.zip", dir / "out"));
        EXPECT_FALSE(result.succeeded) << c.what;
        EXPECT_NE(result.reason.find(c.expectedInReason), std::string::npos)
            << c.what << ": " << result.reason;
        EXPECT_TRUE(fs::exists(dir.path() / "damaged.zip")) << c.what;
    }
    EXPECT_FALSE(fs::exists(dir.path() / "out")) << "7-Zip must not run when its log cannot be written";
}

TEST_F(RunnerTest, RefusesWildcardsThatSevenZipWouldExpand) {
    const std::string gradebook = makeGradebook("ab.zip");
    fs::copy_file(gradebook, dir / "a*b.zip");
    fs::create_directory(dir.path() / "out");

    const CommandResult starInArchive =
        runner.run(Command::extractGradebook(realSevenZip, dir / "a*b.zip", dir / "out"));
    const CommandResult questionInArchive =
        runner.run(Command::extractGradebook(realSevenZip, dir / "a?.zip", dir / "out"));
    const CommandResult starInFolder = runner.run(
        Command::extractStudentArchive(realSevenZip, gradebook, dir / "out", "Y*"));

    EXPECT_FALSE(starInArchive.succeeded);
    EXPECT_FALSE(questionInArchive.succeeded);
    EXPECT_FALSE(starInFolder.succeeded);
    EXPECT_TRUE(fs::is_empty(dir.path() / "out")) << "nothing may have been unpacked";
    EXPECT_TRUE(fs::exists(dir.path() / "a*b.zip"));
}

TEST_F(RunnerTest, MakesFoldersOnlyWhereNoFileOrLinkStands) {
    const std::string out = dir.path().string();
    fs::create_directory(dir.path() / "Existing");
    writeFile(dir / "A File", "keep");
    fs::create_directory_symlink(dir.path() / "Existing", dir.path() / "Link");

    EXPECT_TRUE(runner.run(Command::makeFolder(out, "Ann Lee")).succeeded);
    EXPECT_TRUE(fs::is_directory(dir.path() / "Ann Lee"));
    EXPECT_TRUE(runner.run(Command::makeFolder(out, "Existing")).succeeded);
    EXPECT_FALSE(runner.run(Command::makeFolder(out, "A File")).succeeded);
    EXPECT_FALSE(runner.run(Command::makeFolder(out, "Link")).succeeded)
        << "a link to a folder elsewhere must not become a student's folder";
    EXPECT_EQ(readFile(dir / "A File"), "keep");
}

TEST_F(RunnerTest, CopiesNeverReplaceAFile) {
    const std::string out = dir.path().string();
    fs::create_directory(dir.path() / "Ann Lee");
    writeFile(dir / "info.txt", "new");
    writeFile(dir / "rubric.docx", "blank rubric");
    writeFile(dir / "Ann Lee/info.txt", "old");
    writeFile(dir / "Ann Lee/Ann Lee_rubric.docx", "filled in");

    const CommandResult info = runner.run(Command::copyInfoFile(dir / "info.txt", out, "Ann Lee"));
    const CommandResult rubric =
        runner.run(Command::copyRubric(dir / "rubric.docx", out, "Ann Lee", ".docx"));
    const CommandResult intoMissingFolder =
        runner.run(Command::copyRemainingFile(dir / "info.txt", out, "Bo Chan"));

    EXPECT_FALSE(info.succeeded);
    EXPECT_TRUE(info.targetExisted);
    EXPECT_FALSE(rubric.succeeded);
    EXPECT_TRUE(rubric.targetExisted);
    EXPECT_FALSE(intoMissingFolder.succeeded);
    EXPECT_FALSE(intoMissingFolder.targetExisted);
    EXPECT_EQ(readFile(dir / "Ann Lee/info.txt"), "old");
    EXPECT_EQ(readFile(dir / "Ann Lee/Ann Lee_rubric.docx"), "filled in");
    EXPECT_FALSE(fs::exists(dir.path() / "Bo Chan"));

    ASSERT_TRUE(runner.run(Command::copyRemainingFile(dir / "rubric.docx", out, "Ann Lee")).succeeded);
    EXPECT_EQ(readFile(dir / "Ann Lee/rubric.docx"), "blank rubric");
    EXPECT_EQ(readFile(dir / "rubric.docx"), "blank rubric");
}

TEST_F(RunnerTest, MovesByRenameAndNeverReplaces) {
    const std::string out = dir.path().string();
    fs::create_directory(dir.path() / "Ann Lee");
    writeFile(dir / "a_alee7_essay.pdf", "essay");
    writeFile(dir / "a_alee7_notes.pdf", "new notes");
    writeFile(dir / "Ann Lee/a_alee7_notes.pdf", "old notes");
    const ino_t inode = inodeOf(dir / "a_alee7_essay.pdf");

    const auto moveIntoFolder = [&](const std::string& file) {
        return runner.move(Command::copyRemainingFile(file, out, "Ann Lee"), Command::remove(file));
    };
    const MoveResult moved = moveIntoFolder(dir / "a_alee7_essay.pdf");
    const MoveResult refused = moveIntoFolder(dir / "a_alee7_notes.pdf");

    ASSERT_TRUE(moved.copy.succeeded) << moved.copy.reason;
    ASSERT_TRUE(moved.removal && moved.removal->succeeded);
    EXPECT_EQ(inodeOf(dir / "Ann Lee/a_alee7_essay.pdf"), inode) << "a move must be a rename";
    EXPECT_FALSE(fs::exists(dir.path() / "a_alee7_essay.pdf"));

    EXPECT_FALSE(refused.copy.succeeded);
    EXPECT_TRUE(refused.copy.targetExisted);
    EXPECT_FALSE(refused.removal.has_value()) << "no delete after a failed copy";
    EXPECT_EQ(readFile(dir / "a_alee7_notes.pdf"), "new notes");
    EXPECT_EQ(readFile(dir / "Ann Lee/a_alee7_notes.pdf"), "old notes");
}

TEST_F(RunnerTest, MovesAcrossFileSystemsByCopyThenDelete) {
    if (!fs::is_directory("/dev/shm")) GTEST_SKIP() << "no second file system at /dev/shm";
    struct stat here {}, there {};
    ::stat(dir.path().c_str(), &here);
    ::stat("/dev/shm", &there);
    if (here.st_dev == there.st_dev) GTEST_SKIP() << "/dev/shm is on the same file system";

    char pattern[] = "/dev/shm/quillbox-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string otherFs = pattern;
    writeFile(otherFs + "/a_alee7_essay.pdf", "essay");
    fs::create_directory(dir.path() / "Ann Lee");

    const MoveResult moved = runner.move(
        Command::copyInfoFile(otherFs + "/a_alee7_essay.pdf", dir.path().string(), "Ann Lee"),
        Command::remove(otherFs + "/a_alee7_essay.pdf"));

    EXPECT_TRUE(moved.copy.succeeded) << moved.copy.reason;
    EXPECT_TRUE(moved.removal && moved.removal->succeeded);
    EXPECT_EQ(readFile(dir / "Ann Lee/a_alee7_essay.pdf"), "essay");
    EXPECT_FALSE(fs::exists(otherFs + "/a_alee7_essay.pdf"));
    fs::remove_all(otherFs);
}

TEST_F(RunnerTest, DeletesFilesAndLinksButNeverFolders) {
    fs::create_directory(dir.path() / "folder.zip");
    writeFile(dir / "target", "kept");
    fs::create_symlink(dir.path() / "target", dir.path() / "link.zip");
    writeFile(dir / "file.zip", "");

    EXPECT_TRUE(runner.run(Command::remove(dir / "file.zip")).succeeded);
    EXPECT_TRUE(runner.run(Command::remove(dir / "link.zip")).succeeded);
    EXPECT_FALSE(runner.run(Command::remove(dir / "folder.zip")).succeeded);
    EXPECT_FALSE(runner.run(Command::remove(dir / "file.zip")).succeeded) << "already gone";

    EXPECT_FALSE(fs::exists(dir.path() / "file.zip"));
    EXPECT_FALSE(fs::is_symlink(dir.path() / "link.zip"));
    EXPECT_EQ(readFile(dir / "target"), "kept");
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder.zip"));
}

TEST_F(RunnerTest, TakesShellMetacharactersLiterallyAndRunsNothing) {
    const std::vector<std::string> hostileNames = {
        "$(touch pwned1).zip", "`touch pwned2`.zip", "a; touch pwned3.zip", "a & touch pwned4.zip",
        "a | touch pwned5.zip", "it's \"quoted\".zip", "-rf.zip", "%PATH%.zip",
    };
    const std::string gradebook = makeGradebook("grades.zip");
    const std::string out = dir.path().string();
    CurrentDirectory cd(dir.path());

    for (const std::string& name : hostileNames) {
        SCOPED_TRACE(name);
        fs::copy_file(gradebook, dir / name);
        // Relative to the current folder, so "-rf.zip" starts its argument.
        const CommandResult unpacked = runner.run(
            Command::extractStudentArchive(realSevenZip, name, out, "S " + name));
        ASSERT_TRUE(unpacked.succeeded) << unpacked.reason;
        EXPECT_TRUE(fs::is_regular_file(dir.path() / ("S " + name) / "a_alee7_attempt.txt"));

        ASSERT_TRUE(runner.run(Command::makeFolder(out, "M " + name)).succeeded);
        const MoveResult moved = runner.move(Command::copyRemainingFile(name, out, "M " + name),
                                             Command::remove(name));
        EXPECT_TRUE(moved.copy.succeeded) << moved.copy.reason;
        EXPECT_TRUE(fs::is_regular_file(dir.path() / ("M " + name) / name));
    }
    for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().rfind("pwned", 0), std::string::npos)
            << "a command ran: " << entry.path();
}

}  // namespace
}  // namespace quillbox
