// Canvas text drawn with QPainter straight into the model's bitmap memory.
#pragma once

#include <QFont>

#include "ui/core/graphics.h"

namespace ui::qt {

QFont ToQFont(const TFont& f);

class QtTextService : public TextService {
public:
    void DrawText(TCanvas& canvas, const TRect& rect, const std::string& text, const TFont& font, unsigned flags) override;
    int TextHeight(const TFont& font) override;
    int TextWidth(const TFont& font, const std::string& text) override;
};

}  // namespace ui::qt
