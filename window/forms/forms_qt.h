#pragma once

// Private to the layer: how its types meet Qt.
#include "controls.h"
#include "drawing.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QCloseEvent;
class QDialog;

namespace forms::detail {

// Creates the one QApplication the first time a window object needs it.
void ensureApplication();

QString toQString(const std::u16string& text);
std::u16string fromQString(const QString& text);

// System colours are looked up in the application's palette now.
QColor toQColor(const Color& color);
// "rgb(r, g, b)" or "rgba(...)" for style sheets.
QString styleSheetColor(const Color& color);

// The average width of a-z and A-Z and the height of the widget's font, or
// the cell a test has set.
SizeF fontCell(const QWidget& widget);

// Shows a modal dialog and returns its result; a test's hook answers it.
int execModal(QDialog& dialog);

// Owns the widget behind a control until the control is disposed. The
// widget may also go with its parent window; the pointer then reads null.
class WidgetHandle {
public:
    explicit WidgetHandle(QWidget* widget) : widget_(widget) {}
    ~WidgetHandle() { destroy(); }
    WidgetHandle(const WidgetHandle&) = delete;
    WidgetHandle& operator=(const WidgetHandle&) = delete;

    QWidget* widget() const { return widget_.data(); }
    template <typename Widget>
    Widget* as() const {
        return static_cast<Widget*>(widget_.data());
    }
    void destroy() { delete widget_.data(); }

private:
    QPointer<QWidget> widget_;
};

struct ControlAccess {
    static WidgetHandle& handle(const Control& control) { return *control.handle_; }
};

// The top-level widget of a Form: it asks before closing and says when it
// has closed.
class FormWidget : public QWidget {
public:
    std::function<bool()> mayClose;
    std::function<void()> closed;

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace forms::detail
