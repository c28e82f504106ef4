#include "studio/controls/text_styles.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace quillon {
namespace {

QFont scaled(double factor)
{
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

} // namespace

QFont headlineFont()
{
    QFont font = scaled(1.1);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont calloutFont()
{
    return scaled(0.94);
}

QFont captionFont()
{
    return scaled(0.85);
}

void makeSecondary(QWidget& widget)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, palette.color(QPalette::PlaceholderText));
    widget.setPalette(palette);
}

} // namespace quillon
