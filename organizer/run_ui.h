#pragma once

#include <string>

namespace quillbox {

enum class MessageKind {
    InputRejected,    // one of the four input checks failed; nothing was done
    CopyCommand,      // a remaining file is about to be moved
    RunSucceeded,     // every step succeeded
    RunFailed,        // the run ended, but some steps failed or students were left
};

// What the run needs from whoever shows it: the window's message boxes,
// progress bar and standard output, or the command-line program's streams.
// Texts are UTF-8 (or whatever bytes the paths hold).
class RunUi {
public:
    virtual ~RunUi() = default;
    // Returns once the user has seen the message (a modal box is dismissed).
    virtual void showMessage(const std::string& text, MessageKind kind) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void incrementProgress() = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void writeConsoleLine(const std::string& line, bool flush) = 0;
    // How far the run is, for displays that want more than the bar: `done`
    // of `total` students have been through `stage` ("unpacking the
    // gradebook" reports 0 of 0).
    virtual void reportStage(const std::string& stage, int done, int total) {
        (void)stage, (void)done, (void)total;
    }
};

}  // namespace quillbox
