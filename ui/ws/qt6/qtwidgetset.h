// Real windows with Qt 6 Widgets. This folder is the only place that includes Qt.
#pragma once

#include <memory>

#include "ui/ws/widgetset.h"

namespace ui {

// Creates the Qt application object (on X11, through XWayland on a Wayland session) and the widgetset.
std::unique_ptr<WidgetSet> CreateQtWidgetSet(int& argc, char** argv);

}  // namespace ui
