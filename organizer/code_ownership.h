#pragma once

#include "directory_scan.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillbox {

// True when `code` stands in `fileName` as a whole word: the bytes right
// before and after it are no ASCII letters or digits. An empty code is in
// no name.
bool containsCodeAsWord(std::string_view fileName, std::string_view code);

// Decides which student's user code claims a file name. Where several codes
// stand in a name as whole words, the longest wins; between codes of equal
// length, the one of the student earlier in table order. Students who share
// a code (two attempts of one student) share what it claims.
//
// Names are looked up through their letter-or-digit words, so the cost per
// name does not grow with the number of students.
class CodeOwnership {
public:
    // `userCodes` in table order; empty codes claim nothing.
    explicit CodeOwnership(std::vector<std::string> userCodes);
    CodeOwnership(const CodeOwnership&) = delete;
    CodeOwnership& operator=(const CodeOwnership&) = delete;

    // The winning code for `fileName`, or nothing when no code claims it.
    std::optional<std::string_view> ownerCode(std::string_view fileName) const;

    // Whether `code` is the one that claims `fileName`.
    bool claims(std::string_view code, std::string_view fileName) const;

    // The students (indices into the table) that hold `code`, in order.
    const std::vector<std::size_t>& studentsWithCode(std::string_view code) const;

private:
    struct Candidate {
        std::size_t codeId;
        std::size_t keyOffset;  // where the code's key word starts in the code
    };

    std::optional<std::size_t> ownerId(std::string_view fileName) const;
    void consider(std::size_t codeId, std::optional<std::size_t>& best) const;

    std::vector<std::string> codes_;                  // distinct, in order of first holder
    std::vector<std::vector<std::size_t>> holders_;   // students per code
    std::unordered_map<std::string_view, std::size_t> idOfCode_;
    std::unordered_map<std::string_view, std::vector<Candidate>> byKeyWord_;
    std::vector<std::size_t> withoutWord_;  // codes with no letter or digit at all
};

// The entries of a table (full paths) together with the code that claims
// each of them, worked out once for the whole table.
class ClaimedTable {
public:
    ClaimedTable(const std::vector<std::string>& table, const CodeOwnership& ownership);

    // First index in table order that `code` claims, or -1.
    std::ptrdiff_t firstClaimedBy(std::string_view code) const;

private:
    std::unordered_map<std::string, std::ptrdiff_t> firstIndexOfCode_;
};

// The index of the first entry of the table whose file name `userCode`
// claims (by the rule of CodeOwnership), or -1. The directory part of an
// entry's path plays no part.
std::ptrdiff_t findIndex(const ClaimedTable& fileArray, std::string_view userCode);

// Whether `entry` is one of the student's remaining files: a regular file
// that `userCode` claims and that is no archive and no ".txt".
bool isRemainingFile(const DirectoryEntry& entry, std::string_view userCode,
                     const CodeOwnership& ownership);

}  // namespace quillbox
