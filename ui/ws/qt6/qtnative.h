// Native controls: real Qt widgets that show what the model's buttons, memos, rich-text views,
// status bars and tab controls hold.
#pragma once

#include "ui/core/comctrls.h"
#include "ui/ws/qt6/qtwindows.h"

namespace ui::qt {

// The handle for a native control, or nullptr when `control` is not one.
std::unique_ptr<WindowHandle> CreateNativeHandle(TWinControl& control, QWidget* parent);

// The HTML that shows a rich-text document with its fonts, sizes, colours and bold.
QString DocumentToHtml(const TRichDocument& document);

}  // namespace ui::qt
