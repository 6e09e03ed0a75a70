#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillbox::testing {

struct CliRun {
    int exitStatus = -1;  // -1: did not exit normally
    std::string out;
    std::string err;
};

enum class StandardError { Pipe, Terminal };
enum class StandardOutput { Pipe, ClosedPipe };

// Runs quillbox-cli with `arguments` (program name not included) in
// `workingDir` and collects what it writes.
CliRun runCli(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir,
              StandardError errTo = StandardError::Pipe,
              StandardOutput outTo = StandardOutput::Pipe);

// Runs tools/make-sample-gradebook with `arguments`; fails the test on error.
void makeSampleGradebook(const std::vector<std::string>& arguments);

}  // namespace quillbox::testing
