#pragma once

// Our thin layer over Qt Widgets: the window operations the program needs,
// named as a Windows Forms program names them. No Qt type appears here.
#include "application.h"
#include "components.h"
#include "controls.h"
#include "dialogs.h"
#include "drawing.h"
#include "events.h"
