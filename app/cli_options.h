#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillbox::cli {

inline const char* const programName = "quillbox-cli";

// Exit statuses of the command-line program.
enum ExitStatus : int {
    exitSucceeded = 0,
    exitRunFailed = 1,    // the run ended with failed steps or unsorted students
    exitBadInput = 2,     // an input check failed, or the command line is wrong
};

struct CliOptions {
    // The folder 7-Zip is installed in, as the window's first box.
    std::string sevenZipFolder = "/usr/bin";
    std::string gradebook;
    std::string outputDir;
    std::string rubric;  // empty: no rubric
    // Print this process's own peak memory on standard error at the end
    // (for the benchmark; 7-Zip's children are not counted).
    bool printPeakMemory = false;
};

// Either options to run with, or the exit status of a command line that
// was answered without a run (--help, --version, bad usage). Help and
// version go to `out`, usage errors to `err`.
struct ParsedCommandLine {
    std::optional<CliOptions> options;
    int exitStatus = exitSucceeded;
    std::string out;
    std::string err;
};

// Parses only: whether the paths exist is the run's business, so that its
// four checks report them in their order and with their texts. Values are
// kept byte for byte.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quillbox::cli
