#pragma once

#include "command_runner.h"

#include <string>

// The file system operations behind the commands, as plain system calls.
// None of them replaces an existing file or follows a link it was asked to
// act on.
namespace quillbox::fileops {

// Creates one folder; succeeds when a folder (not a link) stands there
// afterwards, also when it was there before.
CommandResult makeFolder(const std::string& folder);

// Copies `source` to exactly `target`; fails, keeping `target`, when
// anything is already there. With `followSourceLink` false a link as source
// is refused.
CommandResult copyFileNoReplace(const std::string& source, const std::string& target,
                                bool followSourceLink);

// Removes one regular file or link; never a folder.
CommandResult removeFile(const std::string& path);

// Moves the regular file `source` to `target` without replacing anything:
// a rename on one file system, else a copy and, once it succeeded, a delete.
MoveResult moveFileNoReplace(const std::string& source, const std::string& target);

// Whether `path` is a folder itself, not a link to one.
bool isRealFolder(const std::string& path);

}  // namespace quillbox::fileops
