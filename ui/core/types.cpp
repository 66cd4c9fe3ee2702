#include "ui/core/types.h"

#include <algorithm>

namespace ui {

TRect TRect::Intersect(const TRect& o) const {
    TRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.Empty()) return {};
    return r;
}

}  // namespace ui
