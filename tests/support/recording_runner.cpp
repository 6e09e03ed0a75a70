#include "recording_runner.h"

namespace quillbox::testing {

void RecordingRunner::failCommand(const std::string& text, const std::string& reason) {
    failures_[text] = CommandResult::failure(reason);
}

void RecordingRunner::reportTargetExists(const std::string& text) {
    failures_[text] = CommandResult::failure("a file of that name is already there", true);
}

CommandResult RecordingRunner::run(const Command& command) {
    commands.push_back(command.text());
    const auto failure = failures_.find(command.text());
    return failure == failures_.end() ? CommandResult::success() : failure->second;
}

MoveResult RecordingRunner::move(const Command& copy, const Command& removal) {
    MoveResult result{run(copy), std::nullopt};
    if (result.copy.succeeded) result.removal = run(removal);
    return result;
}

}  // namespace quillbox::testing
