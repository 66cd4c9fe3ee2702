// Reads a description into a root component: components are created in description order with the
// root as owner, properties are applied as read, and references and handlers are resolved at the end.
// Any mistake is an EReadError naming the line; the components created so far are destroyed again.
#pragma once

#include <string_view>

#include "ui/stream/registry.h"

namespace ui {

void ReadDescription(TComponent& root, std::string_view text, const ClassRegistry& registry);

// The registry a program's descriptions are read with; each unit adds its classes explicitly.
ClassRegistry& Classes();

}  // namespace ui
