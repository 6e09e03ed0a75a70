#pragma once

#include "command_runner.h"

#include <map>
#include <string>
#include <vector>

namespace quillbox::testing {

// A CommandRunner that changes nothing on disk: it records the text of
// every command it is given, in order, and succeeds unless told to fail a
// command. A move records its copy and, when the copy succeeded, its
// delete, as the real runner carries them out.
class RecordingRunner : public CommandRunner {
public:
    // The command with exactly this text fails with `reason`.
    void failCommand(const std::string& text, const std::string& reason = "injected failure");
    // The copy with exactly this text fails because its target is there.
    void reportTargetExists(const std::string& text);

    CommandResult run(const Command& command) override;
    MoveResult move(const Command& copy, const Command& removal) override;

    std::vector<std::string> commands;

private:
    std::map<std::string, CommandResult> failures_;
};

}  // namespace quillbox::testing
