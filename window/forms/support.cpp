#include "forms_qt.h"
#include "dialogs.h"
#include "testing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFontMetricsF>
#include <QPalette>
#include <QTimer>

#include <cmath>
#include <exception>

namespace forms {

namespace {

testing::ModalHook& modalHook() {
    static testing::ModalHook hook;
    return hook;
}

std::optional<SizeF>& fontCellOverride() {
    static std::optional<SizeF> cell;
    return cell;
}

}  // namespace

namespace detail {

void ensureApplication() {
    if (QApplication::instance() != nullptr) return;
    // Created once and never destroyed: it must outlive every widget, and
    // Qt's own statics are gone by the time ours would be destroyed.
    static int argc = 1;
    static char programName[] = "quillbox";
    static char* argv[] = {programName, nullptr};
    new QApplication(argc, argv);
}

QString toQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

std::u16string fromQString(const QString& text) {
    return text.toStdU16String();
}

QColor toQColor(const Color& color) {
    if (color.IsEmpty()) return {};
    if (!color.IsSystemColor()) return QColor(color.R(), color.G(), color.B(), color.A());
    const QPalette palette = QApplication::palette();
    switch (color.Role()) {
        case SystemColor::Info: return palette.color(QPalette::ToolTipBase);
        case SystemColor::ActiveCaptionText:
            return palette.color(QPalette::Active, QPalette::WindowText);
        case SystemColor::None: break;
    }
    return {};
}

QString styleSheetColor(const Color& color) {
    const QColor qtColor = toQColor(color);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(qtColor.red())
        .arg(qtColor.green())
        .arg(qtColor.blue())
        .arg(qtColor.alpha());
}

SizeF fontCell(const QWidget& widget) {
    if (fontCellOverride()) return *fontCellOverride();
    const QFontMetricsF metrics(widget.font());
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return SizeF(static_cast<float>(metrics.horizontalAdvance(letters) / letters.size()),
                 static_cast<float>(std::ceil(metrics.height())));
}

int execModal(QDialog& dialog) {
    if (modalHook()) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            // A copy: the hook may replace itself while it answers.
            const testing::ModalHook hook = modalHook();
            if (hook) hook(dialog);
            if (dialog.isVisible()) dialog.reject();
        });
    }
    return dialog.exec();
}

void FormWidget::closeEvent(QCloseEvent* event) {
    if (mayClose && !mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (closed) closed();
}

void reportUnhandledException() noexcept {
    try {
        std::u16string text;
        try {
            throw;
        } catch (const std::exception& error) {
            text = fromQString(QString::fromUtf8(error.what()));
        } catch (...) {
            text = u"An unexpected error occurred.";
        }
        MessageBox::Show(text);
    } catch (...) {
        // Not even a message box could be shown; the program goes on.
    }
}

}  // namespace detail

void Component::Dispose(bool) {
    disposed_ = true;
}

void Container::Dispose() {
    for (Component* component : components_) component->Dispose();
    components_.clear();
}

ComponentResourceManager::ComponentResourceManager(std::u16string baseName)
    : baseName_(std::move(baseName)) {}

std::any ComponentResourceManager::GetObject(const std::u16string& name) const {
    detail::ensureApplication();
    // A resource set is a prefix of Qt's resource system, each object a file in it.
    const QString path = QStringLiteral(":/") + detail::toQString(baseName_) +
                         QStringLiteral(".resources/") + detail::toQString(name);
    if (!QFile::exists(path)) return {};
    if (name.ends_with(u".Icon")) return Icon(path.toStdString());
    return {};
}

namespace testing {

void setModalHook(ModalHook hook) {
    modalHook() = std::move(hook);
}

void setFontCell(std::optional<SizeF> cell) {
    fontCellOverride() = cell;
}

QWidget* widgetOf(const Control& control) {
    return detail::ControlAccess::handle(control).widget();
}

}  // namespace testing

}  // namespace forms
