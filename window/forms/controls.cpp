#include "controls.h"

#include "forms_qt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

std::unique_ptr<detail::WidgetHandle> makeHandle(QWidget* widget) {
    return std::make_unique<detail::WidgetHandle>(widget);
}

template <typename Widget>
Widget* newWidget() {
    detail::ensureApplication();
    return new Widget();
}

QString borderRule(BorderStyle style) {
    switch (style) {
        case BorderStyle::None: return QStringLiteral("border: none;");
        case BorderStyle::FixedSingle: return QStringLiteral("border: 1px solid palette(shadow);");
        case BorderStyle::Fixed3D: return QStringLiteral("border: 2px inset palette(mid);");
    }
    return {};
}

// " property: colour;" for a style sheet; nothing for a colour not set.
QString colorRule(const char* property, const Color& color) {
    if (color.IsEmpty()) return {};
    return QStringLiteral(" %1: %2;").arg(QLatin1String(property), detail::styleSheetColor(color));
}

}  // namespace

// --- Control -----------------------------------------------------------------

Control::Control(std::unique_ptr<detail::WidgetHandle> handle) : handle_(std::move(handle)) {}

Control::~Control() = default;

void Control::Dispose(bool disposing) {
    handle_->destroy();
    Component::Dispose(disposing);
}

std::u16string Control::name() const {
    const QWidget* widget = handle_->widget();
    return widget != nullptr ? detail::fromQString(widget->objectName()) : std::u16string();
}

void Control::setName(const std::u16string& name) {
    if (QWidget* widget = handle_->widget()) widget->setObjectName(detail::toQString(name));
}

std::u16string Control::text() const {
    return text_;
}

void Control::setText(const std::u16string& text) {
    text_ = text;
}

Point Control::location() const {
    return location_;
}

void Control::setLocation(const Point& location) {
    location_ = location;
    applyGeometry();
}

Size Control::size() const {
    const QWidget* widget = handle_->widget();
    if (widget == nullptr) return size_;
    return {widget->width(), widget->height()};
}

void Control::setSize(const forms::Size& size) {
    size_ = size;
    applyGeometry();
}

void Control::setBackColor(const Color& color) {
    backColor_ = color;
    applyColors();
}

void Control::setForeColor(const Color& color) {
    foreColor_ = color;
    applyColors();
}

void Control::setAutoSize(const bool& autoSize) {
    autoSize_ = autoSize;
    applyGeometry();
}

void Control::applyColors() {
    QWidget* widget = handle_->widget();
    if (widget == nullptr) return;
    // Roles left unset come from the parent, as a control's ambient colours do.
    QPalette palette;
    if (!backColor_.IsEmpty()) {
        const QColor back = detail::toQColor(backColor_);
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Button, back);
    }
    if (!foreColor_.IsEmpty()) {
        const QColor fore = detail::toQColor(foreColor_);
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::ButtonText, fore);
    }
    widget->setPalette(palette);
}

void Control::applyGeometry() {
    QWidget* widget = handle_->widget();
    if (widget == nullptr) return;
    QSize size(size_.Width, size_.Height);
    if (autoSize_) size = size.expandedTo(widget->sizeHint());
    widget->setGeometry(location_.X, location_.Y, size.width(), size.height());
}

void Control::scale(double xFactor, double yFactor) {
    location_ = Point(static_cast<int>(std::lround(location_.X * xFactor)),
                      static_cast<int>(std::lround(location_.Y * yFactor)));
    size_ = forms::Size(static_cast<int>(std::lround(size_.Width * xFactor)),
                        static_cast<int>(std::lround(size_.Height * yFactor)));
}

// --- Label -------------------------------------------------------------------

Label::Label() : Control(makeHandle(newWidget<QLabel>())) {
    auto* label = handle().as<QLabel>();
    // File names come from students: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Size = forms::Size(100, 23);
}

void Label::setText(const std::u16string& text) {
    Control::setText(text);
    if (auto* label = handle().as<QLabel>()) label->setText(detail::toQString(text));
    applyGeometry();
}

// --- TextBox -----------------------------------------------------------------

TextBox::TextBox() : Control(makeHandle(newWidget<QLineEdit>())) {
    auto* edit = handle().as<QLineEdit>();
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString&) {
        EventArgs e;
        TextChanged.Raise(this, e);
    });
    Size = forms::Size(100, 22);
}

std::u16string TextBox::text() const {
    const auto* edit = handle().as<QLineEdit>();
    return edit != nullptr ? detail::fromQString(edit->text()) : Control::text();
}

void TextBox::setText(const std::u16string& text) {
    Control::setText(text);
    if (auto* edit = handle().as<QLineEdit>()) edit->setText(detail::toQString(text));
}

void TextBox::setBorderStyle(const forms::BorderStyle& style) {
    borderStyle_ = style;
    applyColors();
}

void TextBox::applyColors() {
    auto* edit = handle().as<QLineEdit>();
    if (edit == nullptr) return;
    const bool ownLook = !backColor().IsEmpty() || !foreColor().IsEmpty() ||
                         borderStyle_ != forms::BorderStyle::Fixed3D;
    if (!ownLook) {
        edit->setStyleSheet({});
        return;
    }
    const QString rules = borderRule(borderStyle_) + QStringLiteral(" padding: 0px 2px;") +
                          colorRule("background-color", backColor()) +
                          colorRule("color", foreColor());
    edit->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(rules));
}

// --- Button ------------------------------------------------------------------

Button::Button() : Control(makeHandle(newWidget<QPushButton>())) {
    auto* button = handle().as<QPushButton>();
    // Enter presses the focused button, as Space does; there is no default
    // button that Enter in a text box would press.
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        EventArgs e;
        Click.Raise(this, e);
    });
    Size = forms::Size(75, 23);
}

void Button::setText(const std::u16string& text) {
    Control::setText(text);
    if (auto* button = handle().as<QPushButton>()) button->setText(detail::toQString(text));
}

void Button::setFlatStyle(const forms::FlatStyle& style) {
    flatStyle_ = style;
    applyColors();
}

void Button::setUseVisualStyleBackColor(const bool& use) {
    useVisualStyleBackColor_ = use;
    applyColors();
}

void Button::applyColors() {
    auto* button = handle().as<QPushButton>();
    if (button == nullptr) return;
    const bool ownFace = !useVisualStyleBackColor_ && !backColor().IsEmpty();
    if (!ownFace && foreColor().IsEmpty()) {
        button->setStyleSheet({});
        return;
    }
    const QString face = ownFace ? detail::styleSheetColor(backColor()) : QStringLiteral("palette(button)");
    const QString rules = QStringLiteral("background-color: %1; padding: 2px 6px;").arg(face) +
                          colorRule("color", foreColor());
    const bool flat = flatStyle_ == forms::FlatStyle::Flat || flatStyle_ == forms::FlatStyle::Popup;
    QString sheet = QStringLiteral("QPushButton { %1 %2 }")
                        .arg(rules, flat ? QStringLiteral("border: 1px solid palette(dark);")
                                         : QStringLiteral("border: 2px outset %1;").arg(face));
    sheet += QStringLiteral(" QPushButton:focus { border: 1px dotted palette(shadow); }");
    // Popup: flat until the pointer is over it, then raised.
    if (flatStyle_ != forms::FlatStyle::Flat)
        sheet += QStringLiteral(" QPushButton:hover { border: 2px outset %1; }").arg(face);
    sheet += QStringLiteral(" QPushButton:pressed { border: 2px inset %1; }").arg(face);
    button->setStyleSheet(sheet);
}

// --- ProgressBar -------------------------------------------------------------

ProgressBar::ProgressBar() : Control(makeHandle(newWidget<QProgressBar>())) {
    auto* bar = handle().as<QProgressBar>();
    bar->setTextVisible(false);
    showState();
    Size = forms::Size(100, 23);
}

void ProgressBar::Increment(int amount) {
    setValue(value_ + amount);
}

void ProgressBar::setMaximum(const int& maximum) {
    maximum_ = std::max(0, maximum);
    value_ = std::min(value_, maximum_);
    showState();
}

void ProgressBar::setValue(const int& value) {
    value_ = std::clamp(value, 0, maximum_);
    showState();
}

void ProgressBar::setStyle(const ProgressBarStyle& style) {
    style_ = style;
    showState();
    applyColors();
}

void ProgressBar::showState() {
    auto* bar = handle().as<QProgressBar>();
    if (bar == nullptr) return;
    if (style_ == ProgressBarStyle::Marquee) {
        bar->setRange(0, 0);
        return;
    }
    // Qt shows a range of 0..0 as a busy animation; an empty range is an empty bar here.
    bar->setRange(0, std::max(maximum_, 1));
    bar->setValue(value_);
}

void ProgressBar::applyColors() {
    auto* bar = handle().as<QProgressBar>();
    if (bar == nullptr) return;
    if (backColor().IsEmpty() && foreColor().IsEmpty()) {
        bar->setStyleSheet({});
        return;
    }
    QString sheet = QStringLiteral("QProgressBar { border: 1px solid palette(shadow);") +
                    colorRule("background-color", backColor()) + QStringLiteral(" }");
    if (!foreColor().IsEmpty()) {
        sheet += QStringLiteral(" QProgressBar::chunk {") + colorRule("background-color", foreColor());
        if (style_ == ProgressBarStyle::Blocks) sheet += QStringLiteral(" width: 8px; margin: 1px;");
        sheet += QStringLiteral(" }");
    }
    bar->setStyleSheet(sheet);
}

}  // namespace forms
