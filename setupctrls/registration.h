// Adds the setup components and their published properties to a description registry.
#pragma once

#include "ui/stream/registry.h"

namespace setupctrls {

void RegisterSetupControls(ui::ClassRegistry& registry);

}  // namespace setupctrls
