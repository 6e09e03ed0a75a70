#pragma once

#include "run_ui.h"

#include <cstdio>
#include <string>

namespace quillbox::cli {

// The run's messages as lines on the standard streams, where the window
// would show message boxes: copy commands, console lines and the success
// message on `out`; input problems and the failure summary on `err`.
// Nothing waits for the user. With `showProgress` (standard error is a
// terminal), one line on `err` keeps being rewritten with how many
// students are done.
class TerminalRunUi : public RunUi {
public:
    TerminalRunUi(std::FILE* out, std::FILE* err, bool showProgress);

    void showMessage(const std::string& text, MessageKind kind) override;
    void setProgressMaximum(int maximum) override;
    void incrementProgress() override;
    void setProgressValue(int value) override;
    void writeConsoleLine(const std::string& line, bool flush) override;
    void reportStage(const std::string& stage, int done, int total) override;

    // Takes the progress line off the terminal for good.
    void endProgress();

private:
    void writeLine(std::FILE* stream, const std::string& text);
    void eraseProgressLine();
    void drawProgressLine();

    std::FILE* out_;
    std::FILE* err_;
    bool showProgress_;
    std::string progressText_;  // empty: no progress line to show
    bool progressDrawn_ = false;
};

}  // namespace quillbox::cli
