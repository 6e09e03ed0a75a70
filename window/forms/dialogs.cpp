#include "dialogs.h"

#include "forms_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace forms {

namespace {

// Qt's own file dialog: only that one says which file was confirmed while
// it is still open. A FileOk handler that cancels keeps it open.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    bool keepOpen = false;

    void done(int result) override {
        if (result == QDialog::Accepted && keepOpen) {
            keepOpen = false;
            return;
        }
        QFileDialog::done(result);
    }
};

// With no owner named, a dialog belongs to the window the user is in.
QWidget* ownerWindow() {
    return QApplication::activeWindow();
}

}  // namespace

DialogResult MessageBox::Show(const std::u16string& text) {
    detail::ensureApplication();
    QMessageBox box(ownerWindow());
    // Paths come from students: show them as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(detail::toQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    detail::execModal(box);
    return DialogResult::OK;
}

DialogResult OpenFileDialog::ShowDialog() {
    detail::ensureApplication();
    FileDialog dialog(ownerWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!fileName_.empty()) dialog.selectFile(detail::toQString(fileName_));
    QObject::connect(&dialog, &QFileDialog::fileSelected, &dialog, [this, &dialog](const QString& file) {
        const std::u16string previous = fileName_;
        fileName_ = detail::fromQString(file);
        CancelEventArgs e;
        FileOk.Raise(this, e);
        if (e.Cancel) {
            fileName_ = previous;
            dialog.keepOpen = true;
        }
    });
    return detail::execModal(dialog) == QDialog::Accepted ? DialogResult::OK : DialogResult::Cancel;
}

DialogResult FolderBrowserDialog::ShowDialog() {
    detail::ensureApplication();
    QFileDialog dialog(ownerWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!selectedPath_.empty()) dialog.setDirectory(detail::toQString(selectedPath_));
    if (detail::execModal(dialog) != QDialog::Accepted) return DialogResult::Cancel;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return DialogResult::Cancel;
    selectedPath_ = detail::fromQString(chosen.first());
    return DialogResult::OK;
}

}  // namespace forms
