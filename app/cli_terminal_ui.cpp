#include "cli_terminal_ui.h"

#include "cli_options.h"

namespace quillbox::cli {

namespace {

// Back to the start of the line and clear it.
const char* const eraseLine = "\r\033[K";

}  // namespace

TerminalRunUi::TerminalRunUi(std::FILE* out, std::FILE* err, bool showProgress)
    : out_(out), err_(err), showProgress_(showProgress) {}

void TerminalRunUi::showMessage(const std::string& text, MessageKind kind) {
    switch (kind) {
    case MessageKind::CopyCommand:
        writeLine(out_, text);
        break;
    case MessageKind::RunSucceeded:
        endProgress();
        writeLine(out_, text);
        break;
    case MessageKind::InputRejected:
    case MessageKind::RunFailed:
        endProgress();
        writeLine(err_, text);
        break;
    }
}

// The bar's own counts are not shown: the students done of the total say
// more on a terminal.
void TerminalRunUi::setProgressMaximum(int) {}
void TerminalRunUi::incrementProgress() {}
void TerminalRunUi::setProgressValue(int) {}

void TerminalRunUi::writeConsoleLine(const std::string& line, bool) {
    // Always flushed, so that the order of lines on both streams holds
    // when they go to one file.
    writeLine(out_, line);
}

void TerminalRunUi::reportStage(const std::string& stage, int done, int total) {
    if (!showProgress_) return;
    std::string text = std::string(programName) + ": " + stage;
    if (total > 0) text += ": " + std::to_string(done) + " of " + std::to_string(total) + " students";
    if (text == progressText_ && progressDrawn_) return;
    progressText_ = std::move(text);
    drawProgressLine();
}

void TerminalRunUi::endProgress() {
    eraseProgressLine();
    progressText_.clear();
}

void TerminalRunUi::writeLine(std::FILE* stream, const std::string& text) {
    eraseProgressLine();
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
    drawProgressLine();
}

void TerminalRunUi::eraseProgressLine() {
    if (!progressDrawn_) return;
    std::fputs(eraseLine, err_);
    std::fflush(err_);
    progressDrawn_ = false;
}

void TerminalRunUi::drawProgressLine() {
    if (!showProgress_ || progressText_.empty()) return;
    std::fputs(eraseLine, err_);
    std::fwrite(progressText_.data(), 1, progressText_.size(), err_);
    std::fflush(err_);
    progressDrawn_ = true;
}

}  // namespace quillbox::cli
