#include "gradebook_inventory.h"

#include "directory_scan.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace quillbox::testing {

namespace {

bool unpack(const fs::path& archive, const fs::path& into) {
    fs::create_directories(into);
    return runTool({sevenZipProgram, "x", "-o" + into.string(), "-y", "--", archive.string()},
                   into) == 0;
}

}  // namespace

std::vector<GradebookFile> inventoryOf(const fs::path& gradebook, const fs::path& scratch) {
    std::vector<GradebookFile> inventory;
    const fs::path top = scratch / "gradebook";
    EXPECT_TRUE(unpack(gradebook, top)) << "7z x " << gradebook;

    for (const auto& entry : fs::directory_iterator(top)) {
        if (!entry.is_regular_file() || entry.is_symlink()) continue;
        GradebookFile file{entry.path().filename().string(), readFile(entry.path()), {}};
        if (isArchiveName(file.name)) {
            const fs::path members = scratch / "members" / std::to_string(inventory.size());
            if (unpack(entry.path(), members)) {
                for (auto& [path, contents] : filesUnder(members))
                    file.memberContents.push_back(std::move(contents));
            }
        }
        inventory.push_back(std::move(file));
    }
    return inventory;
}

std::vector<std::string> lostFiles(const std::vector<GradebookFile>& inventory,
                                   const fs::path& root) {
    std::map<std::string, int> copiesFound;
    for (const auto& [path, contents] : filesUnder(root)) ++copiesFound[contents];
    const auto take = [&](const std::string& contents) {
        const auto found = copiesFound.find(contents);
        if (found == copiesFound.end() || found->second == 0) return false;
        --found->second;
        return true;
    };

    std::vector<std::string> lost;
    // Plain files first: an archive's members never stand in for them.
    for (const GradebookFile& file : inventory)
        if (file.memberContents.empty() && !take(file.contents)) lost.push_back(file.name);
    for (const GradebookFile& file : inventory) {
        if (file.memberContents.empty() || take(file.contents)) continue;
        for (const std::string& member : file.memberContents) {
            if (!take(member)) {
                lost.push_back(file.name);
                break;
            }
        }
    }
    return lost;
}

std::set<std::string> treeOf(const fs::path& root, const fs::path& excluded) {
    std::set<std::string> tree;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const fs::path& path = it->path();
        if (!excluded.empty() && path == excluded) {
            it.disable_recursion_pending();
            continue;
        }
        std::string line = fs::relative(path, root).string();
        if (it->is_symlink()) line += " -> " + fs::read_symlink(path).string();
        else if (it->is_directory()) line += "/";
        tree.insert(std::move(line));
    }
    return tree;
}

}  // namespace quillbox::testing
