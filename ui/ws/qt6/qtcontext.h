// What the Qt windows share: the core's event sink and the map from real windows to forms.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "ui/core/forms.h"
#include "ui/ws/widgetset.h"

namespace ui::qt {

struct Context {
    WidgetSetEvents* events = nullptr;
    // Set while the core paints a control; a control that moves itself then is moved afterwards.
    bool painting = false;
    // The window the program activated while a mouse button was down.
    QPointer<QWidget> activateAfterClick;
};
Context& Ctx();

inline TPoint ToPoint(QPoint p) { return {p.x(), p.y()}; }
inline QRect ToQRect(const TRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The frame a window manager usually draws, until the real one is known.
FrameMetrics EstimatedFrame(TBorderStyle style);

// Our form under a screen point: the real window there or, over a window frame, the model's stacking order.
TForm* FormAt(QPoint global);
// Reports the cursor to the core; while it is outside our windows' client areas, keeps polling it.
void ReportCursor(QPoint global);

}  // namespace ui::qt
