#pragma once

#include "components.h"
#include "drawing.h"
#include "events.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

namespace detail {
class WidgetHandle;   // the Qt widget behind a control
struct ControlAccess;  // how the layer's own code reaches it
}

enum class AutoScaleMode { None, Font, Dpi, Inherit };
enum class BorderStyle { None, FixedSingle, Fixed3D };
enum class FlatStyle { Flat, Popup, Standard, System };
enum class ProgressBarStyle { Blocks, Continuous, Marquee };

class Form;

// A visible element of a window. Positions and sizes are in pixels of the
// window's client area; a Form scales them once when it lays itself out
// (see Form::AutoScaleMode).
class Control : public Component {
public:
    ~Control() override;
    using Component::Dispose;

    Property<std::u16string> Name{this, &Control::name, &Control::setName};
    Property<std::u16string> Text{this, &Control::text, &Control::setText};
    Property<Point> Location{this, &Control::location, &Control::setLocation};
    Property<forms::Size> Size{this, &Control::size, &Control::setSize};
    Property<int> TabIndex{this, &Control::tabIndex, &Control::setTabIndex};
    Property<Color> BackColor{this, &Control::backColor, &Control::setBackColor};
    Property<Color> ForeColor{this, &Control::foreColor, &Control::setForeColor};
    Property<Padding> Margin{this, &Control::margin, &Control::setMargin};
    // The control takes the size its content needs (never smaller than Size).
    Property<bool> AutoSize{this, &Control::autoSize, &Control::setAutoSize};

protected:
    explicit Control(std::unique_ptr<detail::WidgetHandle> handle);

    void Dispose(bool disposing) override;

    detail::WidgetHandle& handle() const { return *handle_; }

    virtual std::u16string text() const;
    virtual void setText(const std::u16string& text);
    virtual Point location() const;
    virtual void setLocation(const Point& location);
    virtual forms::Size size() const;
    virtual void setSize(const forms::Size& size);
    // Paints the control in BackColor and ForeColor.
    virtual void applyColors();
    // Places the widget at Location with Size (or the size AutoSize asks for).
    virtual void applyGeometry();

    Color backColor() const { return backColor_; }
    Color foreColor() const { return foreColor_; }

private:
    friend class Form;
    friend class ControlCollection;
    friend struct detail::ControlAccess;

    std::u16string name() const;
    void setName(const std::u16string& name);
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(const int& index) { tabIndex_ = index; }
    void setBackColor(const Color& color);
    void setForeColor(const Color& color);
    Padding margin() const { return margin_; }
    void setMargin(const Padding& margin) { margin_ = margin; }
    bool autoSize() const { return autoSize_; }
    void setAutoSize(const bool& autoSize);

    // Multiplies location and size, as auto-scaling does once.
    void scale(double xFactor, double yFactor);

    std::unique_ptr<detail::WidgetHandle> handle_;
    std::u16string text_;
    Point location_;
    forms::Size size_;
    int tabIndex_ = 0;
    Color backColor_;
    Color foreColor_;
    Padding margin_{3, 3, 3, 3};
    bool autoSize_ = false;
};

// A caption. Takes no keyboard focus; shows its parent's colours unless
// given its own.
class Label : public Control {
public:
    Label();

protected:
    void setText(const std::u16string& text) override;
};

// A one-line text field.
class TextBox : public Control {
public:
    TextBox();

    Property<forms::BorderStyle> BorderStyle{this, &TextBox::borderStyle, &TextBox::setBorderStyle};
    // Raised for every change of Text, typed by the user or set by the program.
    Event<EventArgs> TextChanged;

protected:
    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    void applyColors() override;

private:
    forms::BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(const forms::BorderStyle& style);

    forms::BorderStyle borderStyle_ = forms::BorderStyle::Fixed3D;
};

class Button : public Control {
public:
    Button();

    Property<forms::FlatStyle> FlatStyle{this, &Button::flatStyle, &Button::setFlatStyle};
    // True: the theme's face colour instead of BackColor.
    Property<bool> UseVisualStyleBackColor{this, &Button::useVisualStyleBackColor,
                                           &Button::setUseVisualStyleBackColor};
    // Raised once per click, by mouse or keyboard.
    Event<EventArgs> Click;

protected:
    void setText(const std::u16string& text) override;
    void applyColors() override;

private:
    forms::FlatStyle flatStyle() const { return flatStyle_; }
    void setFlatStyle(const forms::FlatStyle& style);
    bool useVisualStyleBackColor() const { return useVisualStyleBackColor_; }
    void setUseVisualStyleBackColor(const bool& use);

    forms::FlatStyle flatStyle_ = forms::FlatStyle::Standard;
    bool useVisualStyleBackColor_ = true;
};

// Shows progress from 0 to Maximum. Maximum 0 shows an empty bar. Values
// outside 0..Maximum are held at the nearer end.
class ProgressBar : public Control {
public:
    ProgressBar();

    Property<int> Maximum{this, &ProgressBar::maximum, &ProgressBar::setMaximum};
    Property<int> Value{this, &ProgressBar::value, &ProgressBar::setValue};
    Property<int> Step{this, &ProgressBar::step, &ProgressBar::setStep};
    Property<ProgressBarStyle> Style{this, &ProgressBar::style, &ProgressBar::setStyle};

    void Increment(int amount);

protected:
    void applyColors() override;

private:
    int maximum() const { return maximum_; }
    void setMaximum(const int& maximum);
    int value() const { return value_; }
    void setValue(const int& value);
    int step() const { return step_; }
    void setStep(const int& step) { step_ = step; }
    ProgressBarStyle style() const { return style_; }
    void setStyle(const ProgressBarStyle& style);
    void showState();

    int maximum_ = 100;
    int value_ = 0;
    int step_ = 10;
    ProgressBarStyle style_ = ProgressBarStyle::Blocks;
};

// The controls of a window, in the order they were added.
class ControlCollection {
public:
    ControlCollection(const ControlCollection&) = delete;
    ControlCollection& operator=(const ControlCollection&) = delete;

    void Add(Control& control);
    int Count() const { return static_cast<int>(controls_.size()); }
    auto begin() const { return controls_.begin(); }
    auto end() const { return controls_.end(); }

private:
    friend class Form;
    explicit ControlCollection(Form& owner) : owner_(owner) {}

    Form& owner_;
    std::vector<Control*> controls_;
};

// A top-level window. Text is its title.
class Form : public Control {
public:
    Form();
    ~Form() override;
    using Control::Dispose;

    ControlCollection Controls{*this};

    // The font cell the positions and sizes were designed for; with
    // AutoScaleMode::Font, the first layout scales every control and the
    // client size by the real font's cell over this one.
    Property<SizeF> AutoScaleDimensions{this, &Form::autoScaleDimensions,
                                        &Form::setAutoScaleDimensions};
    Property<forms::AutoScaleMode> AutoScaleMode{this, &Form::autoScaleMode, &Form::setAutoScaleMode};
    Property<forms::Size> ClientSize{this, &Form::clientSize, &Form::setClientSize};
    Property<forms::Icon> Icon{this, &Form::icon, &Form::setIcon};

    // Raised once, before the window is first shown.
    Event<EventArgs> Load;

    // Stops layout until ResumeLayout; calls nest.
    void SuspendLayout();
    void ResumeLayout(bool performLayout = true);
    // Scales (once, see AutoScaleDimensions), places the controls, sizes the
    // window and orders the Tab key's visits by TabIndex.
    void PerformLayout();

    // Raises Load the first time, shows the window and puts the keyboard
    // focus on the first control in tab order.
    void Show();
    // Asks the window to close; refused while the window is busy.
    void Close();

    // While one of these lives, the window keeps painting but drops every
    // click and key meant for it (they are not replayed later) and refuses
    // to close. Message boxes and dialogs shown meanwhile take input.
    class BusyScope {
    public:
        explicit BusyScope(Form& form);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        Form& form_;
    };

    bool IsBusy() const { return busyDepth_ > 0; }

protected:
    void Dispose(bool disposing) override;

    void setText(const std::u16string& text) override;
    Point location() const override;
    void setLocation(const Point& location) override;
    forms::Size size() const override;
    void setSize(const forms::Size& size) override;
    void applyGeometry() override;

private:
    friend class Application;

    SizeF autoScaleDimensions() const { return autoScaleDimensions_; }
    void setAutoScaleDimensions(const SizeF& dimensions) { autoScaleDimensions_ = dimensions; }
    forms::AutoScaleMode autoScaleMode() const { return autoScaleMode_; }
    void setAutoScaleMode(const forms::AutoScaleMode& mode) { autoScaleMode_ = mode; }
    forms::Size clientSize() const;
    void setClientSize(const forms::Size& size);
    forms::Icon icon() const { return icon_; }
    void setIcon(const forms::Icon& icon);

    void applyTabOrder();
    void focusFirstControl();
    // Shows the window and returns once it has been closed.
    void showUntilClosed();

    SizeF autoScaleDimensions_;
    forms::AutoScaleMode autoScaleMode_ = forms::AutoScaleMode::Inherit;
    forms::Size clientSize_;
    forms::Icon icon_;
    int suspendDepth_ = 0;
    int busyDepth_ = 0;
    bool autoScaled_ = false;
    bool loaded_ = false;
};

}  // namespace forms
