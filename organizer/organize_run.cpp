#include "organize_run.h"

#include "command.h"
#include "student_folders.h"

namespace quillbox {

namespace {

std::string gradebookNotUnpackedMessage(const std::string& gradebook, const std::string& reason,
                                        const std::string& logFilePath) {
    return "The gradebook could not be unpacked, so nothing was sorted and the gradebook was "
           "not deleted:\n" +
           gradebook + "\n\n7-Zip reported:\n" + reason + "\n\n7-Zip's log: " + logFilePath;
}

}  // namespace

RunReport organizeRun(const RunInputs& inputs, CommandRunner& runner, RunUi& ui) {
    RunReport report;

    if (auto rejection = firstFailedInputCheck(inputs)) {
        report.outcome = RunOutcome::InputRejected;
        report.finalMessage = std::move(*rejection);
        ui.showMessage(report.finalMessage, MessageKind::InputRejected);
        return report;
    }

    const SevenZip sevenZip = SevenZip::fromProgramPath(inputs.sevenZipCommand);

    const Command unpackGradebook =
        Command::extractGradebook(sevenZip, inputs.gradebook, inputs.outputDir);
    ui.reportStage("unpacking the gradebook", 0, 0);
    const CommandResult unpacked = runner.run(unpackGradebook);
    if (!unpacked.succeeded) {
        // The gradebook may be the only copy of every hand-in: keep it.
        report.failures.addFailedStep(unpackGradebook.text(), unpacked.reason);
        report.outcome = RunOutcome::CompletedWithFailures;
        report.finalMessage =
            gradebookNotUnpackedMessage(inputs.gradebook, unpacked.reason,
                                        runner.extractionLogPath());
        ui.setProgressValue(0);
        ui.showMessage(report.finalMessage, MessageKind::RunFailed);
        return report;
    }

    const Command deleteGradebook = Command::remove(inputs.gradebook);
    const CommandResult deleted = runner.run(deleteGradebook);
    if (!deleted.succeeded) report.failures.addFailedStep(deleteGradebook.text(), deleted.reason);

    ui.writeConsoleLine("Found the following zip files:", false);

    sortIntoStudentFolders({inputs.outputDir, inputs.rubric, sevenZip}, runner, ui,
                           report.failures);

    ui.setProgressValue(0);
    if (report.failures.empty()) {
        report.outcome = RunOutcome::Succeeded;
        report.finalMessage = successMessage;
        ui.showMessage(report.finalMessage, MessageKind::RunSucceeded);
    } else {
        report.outcome = RunOutcome::CompletedWithFailures;
        report.finalMessage = report.failures.summary();
        ui.showMessage(report.finalMessage, MessageKind::RunFailed);
    }
    return report;
}

}  // namespace quillbox
