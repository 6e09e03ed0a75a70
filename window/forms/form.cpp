#include "controls.h"

#include "forms_qt.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QIcon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace forms {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::NativeGesture:
        case QEvent::Gesture: return true;
        default: return false;
    }
}

// Drops the user's input to busy windows. It has to be dropped, not held
// back: input held back would be replayed once the run is over, clicking
// buttons and typing into boxes the user saw doing nothing.
class BusyInputFilter : public QObject {
public:
    static BusyInputFilter& instance() {
        static BusyInputFilter* filter = [] {
            auto* created = new BusyInputFilter(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(created);
            return created;
        }();
        return *filter;
    }

    void add(QWidget* window) { windows_.emplace_back(window); }
    void remove(QWidget* window) {
        std::erase_if(windows_, [window](const QPointer<QWidget>& busy) {
            return busy.isNull() || busy.data() == window;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (windows_.empty() || !isUserInput(event->type()) || !watched->isWidgetType()) return false;
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        return std::any_of(windows_.begin(), windows_.end(),
                           [window](const QPointer<QWidget>& busy) { return busy.data() == window; });
    }

private:
    using QObject::QObject;

    std::vector<QPointer<QWidget>> windows_;
};

detail::FormWidget* formWidget(const detail::WidgetHandle& handle) {
    return static_cast<detail::FormWidget*>(handle.widget());
}

}  // namespace

// --- ControlCollection -------------------------------------------------------

void ControlCollection::Add(Control& control) {
    if (std::find(controls_.begin(), controls_.end(), &control) != controls_.end()) return;
    controls_.push_back(&control);
    QWidget* window = owner_.handle().widget();
    QWidget* widget = control.handle().widget();
    if (window == nullptr || widget == nullptr) return;
    widget->setParent(window);
    control.applyGeometry();
    widget->show();
}

// --- Form --------------------------------------------------------------------

Form::Form() : Control([] {
                   detail::ensureApplication();
                   return std::make_unique<detail::WidgetHandle>(new detail::FormWidget());
               }()) {
    formWidget(handle())->mayClose = [this] { return !IsBusy(); };
    ClientSize = forms::Size(284, 261);
}

Form::~Form() = default;

void Form::Dispose(bool disposing) {
    if (busyDepth_ > 0) BusyInputFilter::instance().remove(handle().widget());
    if (disposing) {
        for (Control* control : Controls) control->Dispose();
        Controls.controls_.clear();
    }
    Control::Dispose(disposing);
}

void Form::setText(const std::u16string& text) {
    Control::setText(text);
    if (QWidget* widget = handle().widget()) widget->setWindowTitle(detail::toQString(text));
}

Point Form::location() const {
    const QWidget* widget = handle().widget();
    return widget != nullptr ? Point(widget->x(), widget->y()) : Point();
}

void Form::setLocation(const Point& location) {
    if (QWidget* widget = handle().widget()) widget->move(location.X, location.Y);
}

forms::Size Form::size() const {
    const QWidget* widget = handle().widget();
    if (widget == nullptr) return {};
    const QRect frame = widget->frameGeometry();
    return {frame.width(), frame.height()};
}

void Form::setSize(const forms::Size& size) {
    QWidget* widget = handle().widget();
    if (widget == nullptr) return;
    const QSize frame = widget->frameGeometry().size() - widget->size();
    setClientSize(forms::Size(size.Width - frame.width(), size.Height - frame.height()));
}

void Form::applyGeometry() {
    if (QWidget* widget = handle().widget()) widget->resize(clientSize_.Width, clientSize_.Height);
}

forms::Size Form::clientSize() const {
    const QWidget* widget = handle().widget();
    return widget != nullptr ? forms::Size(widget->width(), widget->height()) : clientSize_;
}

void Form::setClientSize(const forms::Size& size) {
    clientSize_ = size;
    applyGeometry();
}

void Form::setIcon(const forms::Icon& icon) {
    icon_ = icon;
    if (QWidget* widget = handle().widget())
        widget->setWindowIcon(icon.IsEmpty() ? QIcon() : QIcon(QString::fromStdString(icon.ResourcePath())));
}

void Form::SuspendLayout() {
    ++suspendDepth_;
}

void Form::ResumeLayout(bool performLayout) {
    if (suspendDepth_ > 0) --suspendDepth_;
    if (performLayout) PerformLayout();
}

void Form::PerformLayout() {
    QWidget* widget = handle().widget();
    if (suspendDepth_ > 0 || widget == nullptr) return;
    const bool scaleByFont = autoScaleMode_ == forms::AutoScaleMode::Font &&
                             autoScaleDimensions_.Width > 0 && autoScaleDimensions_.Height > 0;
    if (scaleByFont && !autoScaled_) {
        // Once only: afterwards the positions are real pixels.
        const SizeF cell = detail::fontCell(*widget);
        const double xFactor = double(cell.Width) / autoScaleDimensions_.Width;
        const double yFactor = double(cell.Height) / autoScaleDimensions_.Height;
        for (Control* control : Controls) control->scale(xFactor, yFactor);
        clientSize_ = forms::Size(static_cast<int>(std::lround(clientSize_.Width * xFactor)),
                                  static_cast<int>(std::lround(clientSize_.Height * yFactor)));
        autoScaled_ = true;
    }
    for (Control* control : Controls) control->applyGeometry();
    applyGeometry();
    applyTabOrder();
}

namespace {

std::vector<QWidget*> inTabOrder(const ControlCollection& controls) {
    std::vector<Control*> ordered(controls.begin(), controls.end());
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control* left, const Control* right) {
        return left->TabIndex.get() < right->TabIndex.get();
    });
    std::vector<QWidget*> widgets;
    for (const Control* control : ordered) {
        QWidget* widget = forms::detail::ControlAccess::handle(*control).widget();
        if (widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0) widgets.push_back(widget);
    }
    return widgets;
}

}  // namespace

void Form::applyTabOrder() {
    const std::vector<QWidget*> widgets = inTabOrder(Controls);
    for (std::size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

void Form::focusFirstControl() {
    for (QWidget* widget : inTabOrder(Controls)) {
        if (widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::Show() {
    QPointer<QWidget> widget = handle().widget();
    if (widget == nullptr) return;
    const bool firstShow = !loaded_;
    if (firstShow) {
        loaded_ = true;
        EventArgs e;
        Load.Raise(this, e);
        if (widget == nullptr) return;
    }
    widget->show();
    if (firstShow) focusFirstControl();
}

void Form::Close() {
    if (QWidget* widget = handle().widget()) widget->close();
}

void Form::showUntilClosed() {
    QPointer<detail::FormWidget> widget = formWidget(handle());
    if (widget == nullptr) return;
    QEventLoop loop;
    widget->closed = [&loop] { loop.quit(); };
    const auto connection = QObject::connect(widget, &QObject::destroyed, &loop, &QEventLoop::quit);
    Show();
    if (widget != nullptr && widget->isVisible()) loop.exec();
    QObject::disconnect(connection);
    if (widget != nullptr) widget->closed = nullptr;
}

// --- Form::BusyScope ---------------------------------------------------------

Form::BusyScope::BusyScope(Form& form) : form_(form) {
    if (form_.busyDepth_++ == 0) {
        if (QWidget* widget = form_.handle().widget()) BusyInputFilter::instance().add(widget);
    }
}

Form::BusyScope::~BusyScope() {
    if (--form_.busyDepth_ == 0) BusyInputFilter::instance().remove(form_.handle().widget());
}

}  // namespace forms
