#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quillbox::testing {

// Answers the window layer's modal dialogs the way a person would, while it
// lives, and records what they showed.
//   Message boxes: the text is kept, then Enter dismisses the box (its OK
//   button is the default).
//   File and folder dialogs: the next queued path is typed into the
//   dialog's name field, then confirmed with Enter or left with Escape.
class DialogAnswers {
public:
    DialogAnswers();
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    void confirmNextWith(const QString& path) { answers_.push_back({path, true}); }
    void cancelNextAfterTyping(const QString& path) { answers_.push_back({path, false}); }

    // Runs while each message box is up, before it is dismissed.
    std::function<void(QMessageBox&)> whileMessageShown;

    struct ShownFileDialog {
        QFileDialog::FileMode mode;
        QString offeredName;  // the name field's text when the dialog opened
    };

    std::vector<std::string> messages;
    std::vector<ShownFileDialog> fileDialogs;

private:
    void answer(QDialog& dialog);

    struct Answer {
        QString path;
        bool confirm;
    };
    std::deque<Answer> answers_;
};

}  // namespace quillbox::testing
