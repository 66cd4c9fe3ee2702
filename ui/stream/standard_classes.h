// Published properties of the component layer's own classes.
#pragma once

#include "ui/stream/registry.h"

namespace ui {

void RegisterStandardClasses(ClassRegistry& registry);

}  // namespace ui
