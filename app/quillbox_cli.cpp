// quillbox-cli: the window's organize run without a window.

#include "cli_options.h"
#include "cli_terminal_ui.h"
#include "command_runner.h"
#include "organize_run.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace quillbox;
using namespace quillbox::cli;

int exitStatusOf(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Succeeded: return exitSucceeded;
    case RunOutcome::CompletedWithFailures: return exitRunFailed;
    case RunOutcome::InputRejected: return exitBadInput;
    }
    return exitRunFailed;
}

void printPeakMemory() {
    rusage usage{};
    if (::getrusage(RUSAGE_SELF, &usage) == 0)
        std::fprintf(stderr, "%s: peak memory: %ld KiB\n", programName, usage.ru_maxrss);
}

int organize(const CliOptions& options) {
    RunInputs inputs;
    // The program's name is appended to the folder as the window does it,
    // so a folder typed with a trailing "/" gives "//7z".
    inputs.sevenZipCommand = options.sevenZipFolder + "/7z";
    inputs.gradebook = options.gradebook;
    inputs.rubric = options.rubric;
    inputs.outputDir = options.outputDir;

    TerminalRunUi ui(stdout, stderr, ::isatty(STDERR_FILENO) == 1);
    DirectCommandRunner runner;
    const RunReport report = organizeRun(inputs, runner, ui);
    ui.endProgress();
    return exitStatusOf(report.outcome);
}

}  // namespace

int main(int argc, char** argv) {
    // A reader of our output that goes away (`| head`) must not kill the
    // run halfway through the students; the lost output is reported below.
    std::signal(SIGPIPE, SIG_IGN);

    const ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(argv, argv + argc));
    std::fputs(parsed.out.c_str(), stdout);
    std::fputs(parsed.err.c_str(), stderr);

    int status = parsed.exitStatus;
    if (parsed.options) {
        try {
            status = organize(*parsed.options);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: the run stopped: %s\n", programName, error.what());
            status = exitRunFailed;
        }
        if (parsed.options->printPeakMemory) printPeakMemory();
    }

    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: standard output could not be written in full\n", programName);
        if (status == exitSucceeded) status = exitRunFailed;
    }
    return status;
}
