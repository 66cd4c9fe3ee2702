#include "ui/ws/qt6/qttext.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "ui/ws/qt6/qtcontext.h"

namespace ui::qt {

QFont ToQFont(const TFont& f) {
    QFont q(QString::fromStdString(f.Name));
    q.setPixelSize(std::abs(f.Height) > 0 ? std::abs(f.Height) : 11);
    q.setBold(f.Style & static_cast<TFontStyles>(TFontStyle::Bold));
    q.setItalic(f.Style & static_cast<TFontStyles>(TFontStyle::Italic));
    q.setUnderline(f.Style & static_cast<TFontStyles>(TFontStyle::Underline));
    q.setStrikeOut(f.Style & static_cast<TFontStyles>(TFontStyle::StrikeOut));
    return q;
}

void QtTextService::DrawText(TCanvas& canvas, const TRect& rect, const std::string& text, const TFont& font,
                             unsigned flags) {
    TBitmap& target = canvas.Target();
    if (target.Width() == 0 || target.Height() == 0) return;
    QImage image(reinterpret_cast<uchar*>(target.Bits()), target.Width(), target.Height(), target.Width() * 4,
                 QImage::Format_RGB32);
    QPainter painter(&image);
    const TPoint o = canvas.Origin();
    painter.setClipRect(ToQRect(canvas.ClipRect().Offset(o.x, o.y)));
    painter.translate(o.x, o.y);
    painter.setFont(ToQFont(font));
    const TColor c = ColorToRGB(font.Color);
    painter.setPen(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    int align = Qt::AlignTop;
    align |= (flags & Right) ? Qt::AlignRight : (flags & Center) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (flags & WordBreak) align |= Qt::TextWordWrap;
    if (flags & ExpandTabs) align |= Qt::TextExpandTabs;
    painter.drawText(ToQRect(rect), align, QString::fromStdString(text));
}

int QtTextService::TextHeight(const TFont& font) { return QFontMetrics(ToQFont(font)).height(); }

int QtTextService::TextWidth(const TFont& font, const std::string& text) {
    return QFontMetrics(ToQFont(font)).boundingRect(QRect(), Qt::TextExpandTabs, QString::fromStdString(text)).width();
}

}  // namespace ui::qt
