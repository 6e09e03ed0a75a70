#include "directory_scan.h"

#include "paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quillbox {

namespace {

EntryType typeOf(const fs::directory_entry& entry) {
    std::error_code error;
    const fs::file_status status = entry.symlink_status(error);
    if (error) return EntryType::Other;
    switch (status.type()) {
        case fs::file_type::regular: return EntryType::RegularFile;
        case fs::file_type::directory: return EntryType::Folder;
        case fs::file_type::symlink: return EntryType::Link;
        default: return EntryType::Other;
    }
}

}  // namespace

DirectoryListing listDirectory(const std::string& directory) {
    DirectoryListing listing;
    std::error_code error;
    fs::directory_iterator it(fs::path(directory), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        std::string fullPath = listingPath(directory, name);
        listing.entries.push_back({std::move(name), std::move(fullPath), typeOf(*it)});
    }
    if (error) listing.error = error.message();
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return listing;
}

bool isArchiveName(std::string_view name) {
    const std::string_view extension = extensionOf(name);
    return extension == ".zip" || extension == ".7z" || extension == ".rar";
}

bool canBeRemainingFile(const DirectoryEntry& entry) {
    return entry.type == EntryType::RegularFile && !isArchiveName(entry.name) &&
           extensionOf(entry.name) != ".txt";
}

std::vector<std::string> scanArchives(const std::vector<DirectoryEntry>& entries) {
    std::vector<std::string> archives;
    for (const DirectoryEntry& entry : entries)
        if (isArchiveName(entry.name)) archives.push_back(entry.fullPath);
    return archives;
}

std::vector<std::string> scanInfoFileCandidates(const std::vector<DirectoryEntry>& entries) {
    std::vector<std::string> candidates;
    for (const DirectoryEntry& entry : entries) {
        if (extensionOf(entry.name) == ".txt" &&
            entry.name.find("rubric") == std::string::npos)
            candidates.push_back(entry.fullPath);
    }
    return candidates;
}

}  // namespace quillbox
