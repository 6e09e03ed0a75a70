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

// One line of the sample script's --manifest: a file of the gradebook and
// where it belongs, as a path inside the student's folder.
struct ManifestEntry {
    std::string code;
    std::string folder;
    std::string path;
};
std::vector<ManifestEntry> readSampleManifest(const std::filesystem::path& manifest);

}  // namespace quillbox::testing
