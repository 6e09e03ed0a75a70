#include "command.h"
#include "text_edit.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(ReplaceFirstOccurrence, ChangesOnlyTheFirstOccurrenceInPlace) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const std::string from = "Program Files (x86)";
    const std::string to = "\"Program Files (x86)\"";
    const Case cases[] = {
        {"C:\\Program Files (x86)\\7-Zip\\7z.exe", "C:\\\"Program Files (x86)\"\\7-Zip\\7z.exe"},
        {"D:\\Apps\\7-Zip\\7z.exe", "D:\\Apps\\7-Zip\\7z.exe"},
        {"/Program Files (x86)/Program Files (x86)/7z",
         "/\"Program Files (x86)\"/Program Files (x86)/7z"},
        {"c:\\program files (x86)\\7-zip\\7z.exe", "c:\\program files (x86)\\7-zip\\7z.exe"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string s = c.input;
        const std::string returned = replaceFirstOccurrence(s, from, to);
        EXPECT_EQ(s, c.expected) << c.input;
        EXPECT_EQ(returned, c.expected) << c.input;
    }
}

TEST(Command, RendersEveryCommandTextOfTheWorkedExample) {
    const SevenZip sevenZip = SevenZip::fromProgramPath("/opt/Program Files (x86)/7-Zip/7z");
    const std::string z = "/opt/\"Program Files (x86)\"/7-Zip/7z";
    struct Case {
        Command command;
        std::string text;
    };
    const Case cases[] = {
        {Command::extractGradebook(sevenZip, "/in/grades.zip", "/marks"),
         z + " x \"/in/grades.zip\" -o\"/marks/\" -y > extraction1.log"},
        {Command::extractStudentArchive(sevenZip, "/marks/a_alee7_essay.zip", "/marks", "Ann Lee"),
         z + " x \"/marks/a_alee7_essay.zip\" -o\"/marks/Ann Lee\" -y > extraction1.log"},
        {Command::remove("/marks/a_alee7.txt"), "del \"/marks/a_alee7.txt\""},
        {Command::makeFolder("/marks", "Ann Lee"), "mkdir \"/marks/Ann Lee\""},
        {Command::copyInfoFile("/marks/a_alee7.txt", "/marks", "Ann Lee"),
         "copy \"/marks/a_alee7.txt\" \"/marks/Ann Lee\""},
        {Command::copyRubric("/forms/rubric.docx", "/marks", "Ann Lee", ".docx"),
         "copy \"/forms/rubric.docx\" \"/marks/Ann Lee/Ann Lee_rubric.docx\""},
        {Command::copyRemainingFile("/marks/a_alee7_notes.pdf", "/marks", "Ann Lee"),
         "copy \"/marks/a_alee7_notes.pdf\" \"/marks/Ann Lee/\""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.command.text(), c.text);
}

TEST(Command, StartsTheProgramUnquotedAndKeepsOperandsForTheRunner) {
    const SevenZip sevenZip = SevenZip::fromProgramPath("/opt/Program Files (x86)/7z");
    const Command extract = Command::extractGradebook(sevenZip, "/in/g.zip", "/out");
    EXPECT_EQ(extract.program(), "/opt/Program Files (x86)/7z");
    EXPECT_EQ(extract.source(), "/in/g.zip");
    EXPECT_EQ(extract.target(), "/out/");
    EXPECT_EQ(Command::extractStudentArchive(sevenZip, "/out/a.7z", "/out", "Bo").target(), "/out/Bo");
    EXPECT_EQ(Command::copyRubric("/r.odt", "/out", "Bo", ".odt").target(), "/out/Bo/Bo_rubric.odt");
    EXPECT_EQ(Command::copyRemainingFile("/out/f", "/out", "Bo").target(), "/out/Bo/");
}

}  // namespace
}  // namespace quillbox
