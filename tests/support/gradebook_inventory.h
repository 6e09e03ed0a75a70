#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace quillbox::testing {

// One file at the top of a gradebook, by content. For an archive 7-Zip can
// unpack, also the contents of its members, which stand in for it once the
// run has unpacked and deleted it.
struct GradebookFile {
    std::string name;
    std::string contents;
    std::vector<std::string> memberContents;
};

// Unpacks `gradebook`, and each archive in it, under `scratch` with the
// real 7-Zip and lists what they hold; fails the test when 7-Zip does.
std::vector<GradebookFile> inventoryOf(const std::filesystem::path& gradebook,
                                       const std::filesystem::path& scratch);

// The names of the files of `inventory` whose contents are nowhere under
// `root` (an archive is there when it is, or when all its members are).
// Every copy found serves one file only, so two hand-ins with the same
// contents need two copies.
std::vector<std::string> lostFiles(const std::vector<GradebookFile>& inventory,
                                   const std::filesystem::path& root);

// Every entry under `root` as a relative path (folders end in "/", links in
// " -> TARGET"), leaving out `excluded` and everything beneath it.
std::set<std::string> treeOf(const std::filesystem::path& root,
                             const std::filesystem::path& excluded = {});

}  // namespace quillbox::testing
