#include "code_ownership.h"
#include "directory_scan.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace quillbox {
namespace {

using testing::TempDir;
using testing::writeFile;

std::vector<std::string> namesOf(const std::vector<std::string>& paths) {
    std::vector<std::string> names;
    for (const std::string& path : paths) names.push_back(fs::path(path).filename().string());
    return names;
}

TEST(Scans, ListEntriesInByteOrderAndPickArchivesAndTextFiles) {
    TempDir root;
    // "rubric" in the directory part of the path must not matter.
    const std::string out = root / "rubrics 2024";
    fs::create_directory(out);
    for (const char* name : {"work.ZIP", "notes.TXT", "report.tar.gz", ".txt", "rubric-notes.txt",
                             "Rubric.txt", "b.rar", "a.7z", "c.zip", "info.txt", "zeta.txt",
                             "\xC3\xA9t\xC3\xA9.txt", "Zed.txt", "noextension"})
        writeFile(fs::path(out) / name, "x");
    fs::create_directory(fs::path(out) / "backup.zip");

    const DirectoryListing listing = listDirectory(out);
    ASSERT_TRUE(listing.error.empty());
    std::vector<std::string> listed;
    for (const DirectoryEntry& entry : listing.entries) listed.push_back(entry.name);
    const std::vector<std::string> byteOrder = {
        ".txt",     "Rubric.txt",       "Zed.txt",       "a.7z",     "b.rar",
        "backup.zip", "c.zip",          "info.txt",      "noextension", "notes.TXT",
        "report.tar.gz", "rubric-notes.txt", "work.ZIP", "zeta.txt", "\xC3\xA9t\xC3\xA9.txt"};
    EXPECT_EQ(listed, byteOrder);
    EXPECT_EQ(listing.entries.front().fullPath, out + "/.txt");

    EXPECT_EQ(namesOf(scanArchives(listing.entries)),
              (std::vector<std::string>{"a.7z", "b.rar", "backup.zip", "c.zip"}));
    EXPECT_EQ(namesOf(scanInfoFileCandidates(listing.entries)),
              (std::vector<std::string>{".txt", "Rubric.txt", "Zed.txt", "info.txt", "zeta.txt",
                                        "\xC3\xA9t\xC3\xA9.txt"}));
}

TEST(Scans, EntryTypesAreTheEntriesOwn) {
    TempDir out;
    writeFile(out / "file.docx", "x");
    fs::create_directory(out / "folder.docx");
    fs::create_symlink(out / "file.docx", out / "link.docx");
    const DirectoryListing listing = listDirectory(out.path().string());
    ASSERT_EQ(listing.entries.size(), 3u);
    EXPECT_EQ(listing.entries[0].type, EntryType::RegularFile);
    EXPECT_EQ(listing.entries[1].type, EntryType::Folder);
    EXPECT_EQ(listing.entries[2].type, EntryType::Link);
}

TEST(Scans, AListingThatFailsSaysSo) {
    TempDir out;
    writeFile(out / "file", "x");
    const DirectoryListing listing = listDirectory(out / "file");
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_FALSE(listing.error.empty());
}

TEST(CodeOwnership, CodeStandsInTheNameAsAWholeWord) {
    struct Case {
        std::string name;
        std::string code;
        bool contained;
    };
    const Case cases[] = {
        {"Essay 1_alee7_attempt_2024.docx", "alee7", true},
        {"alee7.docx", "alee7", true},
        {"alee7", "alee7", true},
        {"Essay 1_alee71_attempt.docx", "alee7", false},  // followed by a digit
        {"Essay 1_alee7b.docx", "alee7", false},          // followed by a letter
        {"Essay 1_xalee7_.docx", "alee7", false},         // preceded by a letter
        {"Essay 1_9alee7_.docx", "alee7", false},         // preceded by a digit
        {"alee71_then_alee7.docx", "alee7", true},        // a later occurrence counts
        {"x_a.lee_y.doc", "a.lee", true},
        {"x-a.lee2.doc", "a.lee", false},
        {"anything", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " / " + c.code);
        EXPECT_EQ(containsCodeAsWord(c.name, c.code), c.contained);
    }
}

TEST(CodeOwnership, LongestCodeWinsThenTableOrder) {
    // Table order: bbb22 comes before aaa11; "lee" and "a.lee" overlap;
    // "__" has no letter or digit at all.
    const CodeOwnership ownership(
        {"alee7", "alee71", "bbb22", "aaa11", "alee712", "lee", "a.lee", "", "__", "alee7"});
    struct Case {
        std::string name;
        std::string owner;  // empty: nobody
    };
    const Case cases[] = {
        {"Essay_alee7_attempt.docx", "alee7"},
        {"Essay_alee71_attempt.docx", "alee71"},
        {"Essay_alee712.docx", "alee712"},
        {"Essay_alee7123.docx", ""},
        {"alee7_and_alee71.docx", "alee71"},
        {"aaa11_bbb22.docx", "bbb22"},
        {"x_lee.doc", "lee"},
        {"x_a.lee_y.doc", "a.lee"},
        {"__.doc", "__"},
        {"a__b.doc", ""},
        {"nobody.docx", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto owner = ownership.ownerCode(c.name);
        EXPECT_EQ(owner ? std::string(*owner) : std::string(), c.owner);
        if (!c.owner.empty()) {
            EXPECT_TRUE(ownership.claims(c.owner, c.name));
        }
    }
    EXPECT_FALSE(ownership.claims("alee7", "Essay_alee71_attempt.docx"));
    EXPECT_FALSE(ownership.claims("", "anything"));
    EXPECT_EQ(ownership.studentsWithCode("alee7"), (std::vector<std::size_t>{0, 9}));
    EXPECT_TRUE(ownership.studentsWithCode("").empty());
}

TEST(CodeOwnership, FindIndexLooksAtFileNamesOnlyAndTakesTheFirstClaimed) {
    const CodeOwnership ownership({"alee7", "alee71", "bchan2"});
    const std::vector<std::string> zipFiles = {
        "/marks/alee7/E_alee71_essay.zip",  // the directory part holds alee7
        "/marks/alee7/E_bchan2_a.7z",
        "/marks/alee7/E_alee7_first.zip",
        "/marks/alee7/E_alee7_second.rar",
    };
    const ClaimedTable table(zipFiles, ownership);
    EXPECT_EQ(findIndex(table, "alee7"), 2);
    EXPECT_EQ(findIndex(table, "alee71"), 0);
    EXPECT_EQ(findIndex(table, "bchan2"), 1);
    EXPECT_EQ(findIndex(table, "zz9"), -1);
    EXPECT_EQ(findIndex(table, ""), -1);
    EXPECT_EQ(findIndex(ClaimedTable({}, ownership), "alee7"), -1);
}

TEST(CodeOwnership, RemainingFilesAreClaimedRegularFilesOfOtherKinds) {
    const CodeOwnership ownership({"alee7", "alee71"});
    struct Case {
        DirectoryEntry entry;
        bool remaining;
    };
    const Case cases[] = {
        {{"E_alee7_essay.docx", "/o/E_alee7_essay.docx", EntryType::RegularFile}, true},
        {{"E_alee7_essay", "/o/E_alee7_essay", EntryType::RegularFile}, true},
        {{"E_alee7_notes.txt", "/o/E_alee7_notes.txt", EntryType::RegularFile}, false},
        {{"E_alee7_a.zip", "/o/E_alee7_a.zip", EntryType::RegularFile}, false},
        {{"E_alee7_a.7z", "/o/E_alee7_a.7z", EntryType::RegularFile}, false},
        {{"E_alee7_a.rar", "/o/E_alee7_a.rar", EntryType::RegularFile}, false},
        {{"E_alee7_a.ZIP", "/o/E_alee7_a.ZIP", EntryType::RegularFile}, true},
        {{"E_alee7_dir", "/o/E_alee7_dir", EntryType::Folder}, false},
        {{"E_alee7_link.docx", "/o/E_alee7_link.docx", EntryType::Link}, false},
        {{"E_alee71_essay.docx", "/o/E_alee71_essay.docx", EntryType::RegularFile}, false},
        {{"essay.docx", "/o/alee7/essay.docx", EntryType::RegularFile}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.name);
        EXPECT_EQ(isRemainingFile(c.entry, "alee7", ownership), c.remaining);
    }
}

}  // namespace
}  // namespace quillbox
