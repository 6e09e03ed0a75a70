#pragma once

// Seams for tests; the program itself never uses them.
#include "drawing.h"

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace forms {
class Control;
}

namespace forms::testing {

// Called with each modal dialog of the layer (message boxes, file and
// folder dialogs) once it is on screen, inside its modal loop, to answer it
// as a person would: type, press keys, click. A dialog the hook leaves open
// is cancelled, so a faulty test cannot hang. Without a hook the dialogs
// wait for a person.
using ModalHook = std::function<void(QDialog& dialog)>;
void setModalHook(ModalHook hook);

// The font cell auto-scaling measures; empty: the real font's.
void setFontCell(std::optional<SizeF> cell);

// The Qt widget behind a control or window; null once disposed.
QWidget* widgetOf(const Control& control);

}  // namespace forms::testing
