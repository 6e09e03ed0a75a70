#pragma once

#include "command_runner.h"

#include <array>
#include <optional>
#include <string>

namespace quillbox::testing {

// The four kinds of step a fault can be injected into.
enum class StepKind { MakeFolder, Copy, Delete, Unpack };
inline constexpr std::array allStepKinds = {StepKind::MakeFolder, StepKind::Copy,
                                            StepKind::Delete, StepKind::Unpack};

StepKind stepKindOf(CommandKind kind);
const char* nameOf(StepKind kind);

// Hands every command to a real runner, except one chosen step that fails
// without touching anything. Steps are counted per kind in the order they
// reach the runner, from 1. A move counts as a copy and, once the copy has
// succeeded, a delete: a failed copy moves nothing; a failed delete leaves
// the file copied and also still in its old place, as a move across file
// systems whose delete failed would.
class FaultInjectingRunner : public CommandRunner {
public:
    explicit FaultInjectingRunner(CommandRunner& inner) : inner_(inner) {}

    void failStep(StepKind kind, int ordinal, std::string reason = "injected failure");

    CommandResult run(const Command& command) override;
    MoveResult move(const Command& copy, const Command& removal) override;
    std::string extractionLogPath() const override { return inner_.extractionLogPath(); }

    // How many steps of `kind` have reached the runner so far.
    int stepsSeen(StepKind kind) const { return seen_[static_cast<std::size_t>(kind)]; }
    // The text of the command made to fail, once it has been.
    const std::optional<std::string>& failedCommandText() const { return failedText_; }

private:
    // Counts the step; true when it is the one to fail.
    bool countAndCheck(StepKind kind, const Command& command);

    CommandRunner& inner_;
    std::array<int, allStepKinds.size()> seen_{};
    std::optional<StepKind> faultKind_;
    int faultOrdinal_ = 0;
    std::string reason_;
    std::optional<std::string> failedText_;
};

}  // namespace quillbox::testing
