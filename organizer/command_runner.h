#pragma once

#include "command.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quillbox {

struct CommandResult {
    bool succeeded = true;
    // A copy that did not run because its target was already there.
    bool targetExisted = false;
    // Why the command failed, in words for the user.
    std::string reason;

    static CommandResult success() { return {}; }
    static CommandResult failure(std::string reason, bool targetExisted = false) {
        return {false, targetExisted, std::move(reason)};
    }
};

// A copy (C1 or C3) together with the delete of its source.
struct MoveResult {
    CommandResult copy;
    // Empty when the delete did not run because the copy failed.
    std::optional<CommandResult> removal;
};

// Carries out commands and says whether each succeeded. The run only ever
// changes the file system through one of these, so tests can record or fail
// any command.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult run(const Command& command) = 0;
    // `copy` is C1 or C3 and `removal` the D of the same file: the file
    // ends up in exactly one place, or stays where it was.
    virtual MoveResult move(const Command& copy, const Command& removal) = 0;
    // Where 7-Zip's output goes, as the user needs it to go and look.
    virtual std::string extractionLogPath() const { return "extraction1.log"; }
};

// Carries commands out directly with system calls and by starting 7-Zip
// with an argument vector; no shell is involved.
//   mkdir  succeeds whenever a folder (not a link) stands there afterwards;
//   copy   never replaces a file; C1 and C3 copy into an existing folder;
//   del    removes one file or link, never a folder;
//   move   is one no-replace rename on one file system, else copy then
//          delete once the copy succeeded;
//   7-Zip  writes its standard output to the log file (replaced each time);
//          never replaces a file, a member of a taken name comes in renamed;
//          success is "started and exited with status 0".
class DirectCommandRunner : public CommandRunner {
public:
    explicit DirectCommandRunner(std::filesystem::path logFile = "extraction1.log");

    // Called every few dozen milliseconds while 7-Zip runs, so a window can
    // keep painting.
    void setWhileWaiting(std::function<void()> whileWaiting);


    CommandResult run(const Command& command) override;
    MoveResult move(const Command& copy, const Command& removal) override;
    std::string extractionLogPath() const override;

private:
    CommandResult extract(const Command& command);

    std::filesystem::path logFile_;
    std::function<void()> whileWaiting_;
};

}  // namespace quillbox
