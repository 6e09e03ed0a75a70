#pragma once

#include "command.h"
#include "command_runner.h"
#include "directory_scan.h"
#include "run_failures.h"
#include "run_ui.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

// What the scans of the output directory found. Index i of txtFiles,
// studentNames and userCodes is one student throughout the run.
struct PathTables {
    std::vector<std::string> zipFiles;      // full paths of archives (scan A)
    std::vector<std::string> txtFiles;      // full paths of information files (scan B)
    std::vector<std::string> studentNames;  // as the first line gives them
    std::vector<std::string> userCodes;

    std::size_t zipCount() const { return zipFiles.size(); }
    std::size_t studentCount() const { return txtFiles.size(); }
};

// Scans A and B over one listing, reading every ".txt" candidate. Only
// information files become students: a regular file whose first line gives
// a code closed by ")" that its own file name holds as a whole word. Any
// other ".txt" is left alone without a word, but one that cannot be read is
// recorded in `failures` as not sorted.
PathTables scanOutputDirectory(const std::vector<DirectoryEntry>& entries, RunFailures& failures);

// A student name as one folder name: "/", "\" and control bytes become "_".
// Nothing when the result is empty, "." or "..".
std::optional<std::string> folderNameFor(std::string_view studentName);

struct StudentFolder {
    std::string name;          // the folder's name; empty: the student stays unsorted
    std::string whyUnsorted;   // for the final message
};

// One folder per student, in table order. Students of the same name but
// different codes get different folders: the first keeps NAME, later ones
// get "NAME (CODE)"; the same name with the same code shares one folder.
std::vector<StudentFolder> assignStudentFolders(const std::vector<std::string>& studentNames,
                                                const std::vector<std::string>& userCodes);

struct SortingInputs {
    std::string outputDir;  // as the user gave it
    std::string rubric;     // empty: no rubric
    SevenZip sevenZip;
};

inline const char* const stageInformationFiles = "sorting information files";
inline const char* const stageArchives = "unpacking students' archives";
inline const char* const stageRemainingFiles = "moving students' remaining files";

// Sorts the unpacked gradebook in the output directory into one folder per
// student: scans, then each student's information file and rubric copy,
// then their archive, then their remaining files. Every change goes through
// `runner`; whatever fails or is left unsorted goes into `failures`, and
// the files concerned stay where they were.
void sortIntoStudentFolders(const SortingInputs& inputs, CommandRunner& runner, RunUi& ui,
                            RunFailures& failures);

}  // namespace quillbox
