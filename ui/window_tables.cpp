#include "window_tables.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

namespace conwave {

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void place(QWidget *widget, std::string_view name, const TwipRect &twips)
{
    widget->setObjectName(qText(name));
    widget->setGeometry(pixelRect(twips));
}

QRect pixelRect(const TwipRect &twips)
{
    const int left = roundedPixels(twips.left);
    const int top = roundedPixels(twips.top);
    const int right = roundedPixels(twips.left + twips.width);
    const int bottom = roundedPixels(twips.top + twips.height);
    return QRect(left, top, right - left, bottom - top);
}

QSize pixelSize(int widthTwips, int heightTwips) { return pixelRect({0, 0, widthTwips, heightTwips}).size(); }

QColor colourFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

QFont windowFont(const FontSpec &wanted)
{
    QFont font;
    switch (wanted.face) {
    case Face::SmallSans:
        // An Arial-metric face; a little wider than the small system face the boxes were measured for, so the
        // main window uses it at 7.5 pt.
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
        break;
    case Face::Verdana:
        // DejaVu Sans has Verdana's proportions; its condensed cut keeps the credit line inside its box.
        font.setFamilies({QStringLiteral("DejaVu Sans")});
        font.setStretch(QFont::SemiCondensed);
        break;
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(wanted.points);
    font.setUnderline(wanted.underline);
    return font;
}

} // namespace conwave
