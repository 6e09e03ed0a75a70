#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace forms {

// Base of everything that can send an event.
class Object {
public:
    virtual ~Object() = default;
};

class EventArgs {
public:
    virtual ~EventArgs() = default;
};

// For events whose handler may stop what is about to happen.
class CancelEventArgs : public EventArgs {
public:
    bool Cancel = false;
};

// A handler bound to its object: Delegate(this, &MyForm::textBox1_TextChanged).
template <typename Args>
class Delegate {
public:
    using Function = std::function<void(Object* sender, Args& e)>;

    template <typename Target>
    Delegate(Target* target, void (Target::*method)(Object*, Args&))
        : function_([target, method](Object* sender, Args& e) { (target->*method)(sender, e); }) {}

    explicit Delegate(Function function) : function_(std::move(function)) {}

    void operator()(Object* sender, Args& e) const { function_(sender, e); }

private:
    Function function_;
};

using EventHandler = Delegate<EventArgs>;
using CancelEventHandler = Delegate<CancelEventArgs>;

namespace detail {
// Shows the text of the exception being handled in a message box; Qt's event
// loop must never see an exception, and the program goes on.
void reportUnhandledException() noexcept;
}  // namespace detail

template <typename Args>
class Event {
public:
    Event& operator+=(Delegate<Args> handler) {
        handlers_.push_back(std::move(handler));
        return *this;
    }

    // Calls every handler in the order of subscription. An exception that
    // escapes a handler is reported to the user and ends only that handler.
    void Raise(Object* sender, Args& e) const {
        // A handler may subscribe another; go over the ones there now.
        const std::vector<Delegate<Args>> handlers = handlers_;
        for (const Delegate<Args>& handler : handlers) {
            try {
                handler(sender, e);
            } catch (...) {
                detail::reportUnhandledException();
            }
        }
    }

private:
    std::vector<Delegate<Args>> handlers_;
};

// A value read and written through its owner's accessors, so that
// `textBox1->Text = u"..."` reads as the property it is.
template <typename T>
class Property {
public:
    template <typename Owner, typename Get, typename Set>
    Property(Owner* owner, Get get, Set set)
        : get_([owner, get] { return T((owner->*get)()); }),
          set_([owner, set](const T& value) { (owner->*set)(value); }) {}

    Property(const Property&) = delete;
    // Takes the other property's value, not its accessors.
    Property& operator=(const Property& other) {
        set_(other.get());
        return *this;
    }

    Property& operator=(const T& value) {
        set_(value);
        return *this;
    }
    operator T() const { return get_(); }
    T get() const { return get_(); }

private:
    std::function<T()> get_;
    std::function<void(const T&)> set_;
};

}  // namespace forms
