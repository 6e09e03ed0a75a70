#include "info_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace quillbox {
namespace {

using testing::TempDir;
using testing::writeFile;

struct FirstLineCase {
    const char* what;
    std::string contents;
    std::string name;
    std::string code;
    bool codeClosed;
};

TEST(InfoFirstLine, NameAndCodeFromTheFirstLine) {
    const FirstLineCase cases[] = {
        {"plain line", "Name: Ann Lee (alee7)\nAssignment: Essay\n", "Ann Lee", "alee7", true},
        {"quotes dropped from the name", "Name: \"Ann\" Lee (alee7)\n", "Ann Lee", "alee7", true},
        {"quotes kept in the code", "Name: Ann (a\"b)\n", "Ann", "a\"b", true},
        {"blanks inside the name stay", "Name: Ann Marie Lee (am9)\n", "Ann Marie Lee", "am9",
         true},
        {"only one byte before ( is removed", "Name: Ann Lee  (alee7)\n", "Ann Lee ", "alee7",
         true},
        {"byte before ( removed whatever it is", "Name: X(alee7)\n", "", "alee7", true},
        {"( right after the label", "Name: (alee7)\n", "", "alee7", true},
        {"no parentheses", "Name: Ann Lee\n", "Ann Lee", "", false},
        {"no ) before the line end", "Name: Ann Lee (alee7\nmore)\n", "Ann Lee", "alee7", false},
        {"line ends right after (", "Name: Ann Lee (\n", "Ann Lee", "", false},
        {"byte order mark skipped", "\xEF\xBB\xBFName: Ann Lee (alee7)\n", "Ann Lee", "alee7",
         true},
        {"CR LF line end", "Name: Ann Lee (alee7)\r\nDate: x\r\n", "Ann Lee", "alee7", true},
        {"CR LF, no parentheses", "Name: Ann Lee\r\n", "Ann Lee", "", false},
        {"end of file ends the name", "Name: Ann Lee", "Ann Lee", "", false},
        {"end of file ends the code", "Name: Ann Lee (alee7", "Ann Lee", "alee7", false},
        {"only the first line is read", "Name: Ann Lee\nName: Bo Chan (bchan2)\n", "Ann Lee", "",
         false},
        {"first line shorter than the label", "Name\nName: Bo Chan (bchan2)\n", "", "", false},
        {"empty file", "", "", "", false},
        {"UTF-8 name kept", "Name: Zo\xC3\xAB Kim (zkim1)\n", "Zo\xC3\xAB Kim", "zkim1", true},
    };
    for (const FirstLineCase& c : cases) {
        SCOPED_TRACE(c.what);
        const InfoFirstLine line = readInfoFirstLine(c.contents);
        EXPECT_EQ(line.name, c.name);
        EXPECT_EQ(line.code, c.code);
        EXPECT_EQ(line.codeClosed, c.codeClosed);
    }
}

TEST(InfoFirstLine, NamesAndCodesOfAnyLength) {
    const std::string name(5000, 'n');
    const std::string code(3000, 'c');
    const InfoFirstLine line = readInfoFirstLine("Name: " + name + " (" + code + ")\n");
    EXPECT_EQ(line.name, name);
    EXPECT_EQ(line.code, code);
}

TEST(ReadInfoFile, ReadsRegularFilesOnlyAndSaysWhyNot) {
    TempDir dir;
    writeFile(dir / "info.txt", "Name: Ann Lee (alee7)\r\nrest\r\n");
    writeFile(dir / "readonly.txt", "Name: Bo Chan (bchan2)\n");
    fs::permissions(dir / "readonly.txt", fs::perms::owner_read);
    fs::create_directory(dir / "folder.txt");
    fs::create_symlink(dir / "info.txt", dir / "link.txt");
    writeFile(dir / "plain", "");

    const InfoFileRead info = readInfoFile(dir / "info.txt");
    EXPECT_EQ(info.status, InfoFileStatus::Read);
    EXPECT_EQ(info.firstLine.name, "Ann Lee");
    EXPECT_EQ(info.firstLine.code, "alee7");

    const InfoFileRead readOnly = readInfoFile(dir / "readonly.txt");
    EXPECT_EQ(readOnly.status, InfoFileStatus::Read);
    EXPECT_EQ(readOnly.firstLine.code, "bchan2");

    EXPECT_EQ(readInfoFile(dir / "folder.txt").status, InfoFileStatus::NotAFile);
    EXPECT_EQ(readInfoFile(dir / "link.txt").status, InfoFileStatus::NotAFile);

    // A file where a folder is expected cannot be opened, also for root.
    const InfoFileRead unopened = readInfoFile(dir / "plain/x.txt");
    EXPECT_EQ(unopened.status, InfoFileStatus::CannotOpen);
    EXPECT_NE(unopened.reason.find("could not be opened"), std::string::npos) << unopened.reason;
}

TEST(ReadInfoFile, LongFirstLineWithoutLineEnd) {
    TempDir dir;
    const std::string name(100000, 'x');
    writeFile(dir / "long.txt", "Name: " + name + " (code1)");
    const InfoFileRead read = readInfoFile(dir / "long.txt");
    EXPECT_EQ(read.firstLine.name, name);
    EXPECT_EQ(read.firstLine.code, "code1");
}

}  // namespace
}  // namespace quillbox
