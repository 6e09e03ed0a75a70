#include "fault_injecting_runner.h"

#include <utility>

namespace quillbox::testing {

StepKind stepKindOf(CommandKind kind) {
    switch (kind) {
        case CommandKind::ExtractGradebook:
        case CommandKind::ExtractStudentArchive: return StepKind::Unpack;
        case CommandKind::Delete: return StepKind::Delete;
        case CommandKind::MakeFolder: return StepKind::MakeFolder;
        case CommandKind::CopyInfoFile:
        case CommandKind::CopyRubric:
        case CommandKind::CopyRemainingFile: return StepKind::Copy;
    }
    return StepKind::Copy;
}

const char* nameOf(StepKind kind) {
    switch (kind) {
        case StepKind::MakeFolder: return "MakeFolder";
        case StepKind::Copy: return "Copy";
        case StepKind::Delete: return "Delete";
        case StepKind::Unpack: return "Unpack";
    }
    return "?";
}

void FaultInjectingRunner::failStep(StepKind kind, int ordinal, std::string reason) {
    faultKind_ = kind;
    faultOrdinal_ = ordinal;
    reason_ = std::move(reason);
}

bool FaultInjectingRunner::countAndCheck(StepKind kind, const Command& command) {
    const int ordinal = ++seen_[static_cast<std::size_t>(kind)];
    if (faultKind_ != kind || ordinal != faultOrdinal_) return false;
    failedText_ = command.text();
    return true;
}

CommandResult FaultInjectingRunner::run(const Command& command) {
    if (countAndCheck(stepKindOf(command.kind()), command)) return CommandResult::failure(reason_);
    return inner_.run(command);
}

MoveResult FaultInjectingRunner::move(const Command& copy, const Command& removal) {
    if (countAndCheck(StepKind::Copy, copy)) return {CommandResult::failure(reason_), std::nullopt};

    const bool deleteFails = faultKind_ == StepKind::Delete &&
                             stepsSeen(StepKind::Delete) + 1 == faultOrdinal_;
    if (!deleteFails) {
        MoveResult moved = inner_.move(copy, removal);
        if (moved.removal) ++seen_[static_cast<std::size_t>(StepKind::Delete)];
        return moved;
    }
    CommandResult copied = inner_.run(copy);
    if (!copied.succeeded) return {std::move(copied), std::nullopt};
    countAndCheck(StepKind::Delete, removal);
    return {std::move(copied), CommandResult::failure(reason_)};
}

}  // namespace quillbox::testing
