#pragma once

#include "events.h"

#include <any>
#include <string>
#include <vector>

namespace forms {

// Something that holds resources of the window system until disposed.
// Disposing twice is harmless.
class Component : public Object {
public:
    Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    ~Component() override = default;

    void Dispose() { Dispose(true); }
    bool IsDisposed() const { return disposed_; }

protected:
    // `disposing` is true when called through Dispose(), false when only the
    // window system's own resources are to go.
    virtual void Dispose(bool disposing);

private:
    bool disposed_ = false;
};

// Components that are disposed together.
class Container : public Object {
public:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    void Add(Component& component) { components_.push_back(&component); }
    void Dispose();

private:
    std::vector<Component*> components_;
};

// Reads the objects of one embedded resource set, e.g. the window icon under
// "$this.Icon" in "Quillbox2021.MyForm.resources".
class ComponentResourceManager {
public:
    // `baseName` is the set's name without ".resources".
    explicit ComponentResourceManager(std::u16string baseName);

    // The object under `name`, or an empty value when the set has none.
    // Names ending in ".Icon" give an Icon.
    std::any GetObject(const std::u16string& name) const;

private:
    std::u16string baseName_;
};

}  // namespace forms
