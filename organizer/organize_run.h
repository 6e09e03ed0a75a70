#pragma once

#include "command_runner.h"
#include "input_checks.h"
#include "run_failures.h"
#include "run_ui.h"

#include <string>

namespace quillbox {

enum class RunOutcome {
    InputRejected,           // an input check failed; nothing was touched
    Succeeded,               // every step succeeded
    CompletedWithFailures,   // the run ended, but something was left undone
};

struct RunReport {
    RunOutcome outcome = RunOutcome::Succeeded;
    std::string finalMessage;
    RunFailures failures;
};

inline const char* const successMessage = "Gradebook Successfully unpacked";

// The whole organize run over the four inputs: check them, unpack the
// gradebook into the output directory, sort its contents into one folder
// per student, reset the progress bar and show the final message. Every
// change to the file system goes through `runner`; the user hears of the
// run only through `ui`.
RunReport organizeRun(const RunInputs& inputs, CommandRunner& runner, RunUi& ui);

}  // namespace quillbox
