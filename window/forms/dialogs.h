#pragma once

#include "components.h"
#include "events.h"

#include <string>

namespace forms {

enum class DialogResult { None, OK, Cancel, Abort, Retry, Ignore, Yes, No };

class MessageBox {
public:
    // Shows `text` in a modal box with one OK button, which is the default
    // (Enter dismisses the box). Returns once the box is dismissed.
    static DialogResult Show(const std::u16string& text);
};

// Lets the user pick one existing file. Each ShowDialog opens a fresh
// dialog that starts on FileName.
class OpenFileDialog : public Component {
public:
    OpenFileDialog() = default;

    // The full path of the file last confirmed.
    Property<std::u16string> FileName{this, &OpenFileDialog::fileName,
                                      &OpenFileDialog::setFileName};
    // Raised when the user confirms a file, with FileName already set and
    // the dialog still open; setting Cancel keeps it open. Never raised when
    // the dialog is cancelled.
    Event<CancelEventArgs> FileOk;

    // Modal. OK when a file was confirmed, Cancel otherwise.
    DialogResult ShowDialog();

private:
    std::u16string fileName() const { return fileName_; }
    void setFileName(const std::u16string& fileName) { fileName_ = fileName; }

    std::u16string fileName_;
};

// Lets the user pick one folder.
class FolderBrowserDialog : public Component {
public:
    FolderBrowserDialog() = default;

    // The full path of the chosen folder.
    Property<std::u16string> SelectedPath{this, &FolderBrowserDialog::selectedPath,
                                          &FolderBrowserDialog::setSelectedPath};

    // Modal. OK when a folder was chosen, Cancel otherwise.
    DialogResult ShowDialog();

private:
    std::u16string selectedPath() const { return selectedPath_; }
    void setSelectedPath(const std::u16string& path) { selectedPath_ = path; }

    std::u16string selectedPath_;
};

}  // namespace forms
