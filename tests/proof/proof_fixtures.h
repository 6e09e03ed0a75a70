#pragma once

#include "command_runner.h"
#include "organize_run.h"
#include "test_support.h"

#include <filesystem>
#include <string>

namespace quillbox::testing {

// Folders as a user has them: the download, the rubric, an output folder
// two levels down, so that anything written above it lands where the
// tests look, and a current directory of its own for 7-Zip's log.
struct Workspace {
    Workspace();

    TempDir root;
    std::filesystem::path output;
    std::filesystem::path work;
    std::string gradebook;
    std::string rubric;

    // The whole run over this workspace, from its current directory.
    RunReport organize(CommandRunner& runner, RunUi& ui) const;
};

}  // namespace quillbox::testing
