#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

enum class EntryType { RegularFile, Folder, Link, Other };

// One entry of a directory as a listing shows it. The type is the entry's
// own (a link is never followed).
struct DirectoryEntry {
    std::string name;
    std::string fullPath;
    EntryType type = EntryType::Other;
};

struct DirectoryListing {
    std::vector<DirectoryEntry> entries;  // in byte order of their names
    std::string error;                    // empty when the listing worked
};

// The entries of `directory` itself (not of its subfolders), in byte order
// of their names, so a gradebook sorts the same on any file system.
DirectoryListing listDirectory(const std::string& directory);

// ".zip", ".7z" or ".rar", compared exactly (case-sensitive).
bool isArchiveName(std::string_view name);

// A regular file that is no archive and no ".txt": the only kind of entry
// moved in as a student's remaining file. Folders and links take no part.
bool canBeRemainingFile(const DirectoryEntry& entry);

// Scan A: the full paths of the entries whose names are archives, whatever
// kind of entry they are.
std::vector<std::string> scanArchives(const std::vector<DirectoryEntry>& entries);

// Scan B: the full paths of the ".txt" entries whose own name does not
// contain "rubric". Which of them are information files is for the reader
// to say.
std::vector<std::string> scanInfoFileCandidates(const std::vector<DirectoryEntry>& entries);

}  // namespace quillbox
