// Modal message boxes whose buttons, icon, default button and stacking follow the platform's flags.
#pragma once

#include <string>

namespace ui::qt {

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

}  // namespace ui::qt
