// Drawn pictograms, in the window text colour, for symbols the icon theme lacks.
#include "studio/controls/symbols.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace quillon {
namespace {

// freedesktop icon names that show the same thing, where the icon naming rules have one.
const char* themeName(Symbol symbol)
{
    switch (symbol) {
    case Symbol::expand:
        return "view-fullscreen";
    case Symbol::collapse:
        return "view-restore";
    case Symbol::addToDesktop:
        return "list-add";
    case Symbol::calendar:
        return "x-office-calendar";
    default:
        return nullptr;
    }
}

void draw(QPainter& p, Symbol symbol)
{
    switch (symbol) {
    case Symbol::globe:
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.drawEllipse(QRectF(5, 2, 6, 12));
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
        break;
    case Symbol::clock:
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.drawLine(QPointF(8, 8), QPointF(8, 4.5));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        break;
    case Symbol::calendar:
        p.drawRoundedRect(QRectF(2, 3, 12, 11), 1.5, 1.5);
        p.drawLine(QPointF(2, 6.5), QPointF(14, 6.5));
        p.drawLine(QPointF(5, 1.5), QPointF(5, 4));
        p.drawLine(QPointF(11, 1.5), QPointF(11, 4));
        break;
    case Symbol::barChart:
        p.setBrush(p.pen().color());
        p.drawRect(QRectF(2.5, 9, 2.5, 5));
        p.drawRect(QRectF(6.75, 5, 2.5, 9));
        p.drawRect(QRectF(11, 2, 2.5, 12));
        break;
    case Symbol::hourglass:
        p.drawLine(QPointF(3, 2), QPointF(13, 2));
        p.drawLine(QPointF(3, 14), QPointF(13, 14));
        p.drawLine(QPointF(4, 2), QPointF(12, 14));
        p.drawLine(QPointF(12, 2), QPointF(4, 14));
        break;
    case Symbol::textBubble: {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(1.5, 2, 13, 9.5), 3, 3);
        bubble.moveTo(4, 11.5);
        bubble.lineTo(3.5, 14.5);
        bubble.lineTo(7, 11.5);
        p.drawPath(bubble);
        p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
        p.drawLine(QPointF(4.5, 8), QPointF(9.5, 8));
        break;
    }
    case Symbol::expand:
    case Symbol::collapse: {
        const bool out = symbol == Symbol::expand;
        // Two diagonal arrows, towards the corners or towards the centre.
        const QPointF tips[] = {out ? QPointF(2, 2) : QPointF(7, 7), out ? QPointF(14, 14) : QPointF(9, 9)};
        const QPointF tails[] = {out ? QPointF(7, 7) : QPointF(2, 2), out ? QPointF(9, 9) : QPointF(14, 14)};
        for (int arrow = 0; arrow < 2; ++arrow) {
            p.drawLine(tails[arrow], tips[arrow]);
            const double sign = (tips[arrow].x() < tails[arrow].x()) ? 1 : -1;
            p.drawLine(tips[arrow], tips[arrow] + QPointF(sign * 4, 0));
            p.drawLine(tips[arrow], tips[arrow] + QPointF(0, sign * 4));
        }
        break;
    }
    case Symbol::sliders:
        for (int line = 0; line < 3; ++line) {
            const double y = 3.5 + line * 4.5;
            p.drawLine(QPointF(2, y), QPointF(14, y));
            p.setBrush(p.pen().color());
            p.drawEllipse(QPointF(line == 1 ? 10 : 5, y), 1.6, 1.6);
            p.setBrush(Qt::NoBrush);
        }
        break;
    case Symbol::addToDesktop:
        p.drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 1.5, 1.5);
        p.drawLine(QPointF(8, 4.5), QPointF(8, 9.5));
        p.drawLine(QPointF(5.5, 7), QPointF(10.5, 7));
        p.drawLine(QPointF(5, 14), QPointF(11, 14));
        break;
    case Symbol::minusCircleFilled: {
        // A filled disc with the minus cut out of it.
        QPainterPath disc;
        disc.addEllipse(QRectF(1.5, 1.5, 13, 13));
        QPainterPath bar;
        bar.addRoundedRect(QRectF(4.5, 7.1, 7, 1.8), 0.9, 0.9);
        p.fillPath(disc.subtracted(bar), p.pen().color());
        break;
    }
    case Symbol::plus:
        p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
        p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
        break;
    case Symbol::magnifyingGlass:
        p.drawEllipse(QRectF(2, 2, 8.5, 8.5));
        p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
        break;
    case Symbol::circularArrows: {
        // Two arcs chasing each other, each with its arrowhead.
        const QRectF ring(2.5, 2.5, 11, 11);
        p.drawArc(ring, 20 * 16, 140 * 16);
        p.drawArc(ring, 200 * 16, 140 * 16);
        p.drawLine(QPointF(3.4, 5.2), QPointF(3.2, 2.6));
        p.drawLine(QPointF(3.4, 5.2), QPointF(6.0, 5.0));
        p.drawLine(QPointF(12.6, 10.8), QPointF(12.8, 13.4));
        p.drawLine(QPointF(12.6, 10.8), QPointF(10.0, 11.0));
        break;
    }
    case Symbol::chevronLeft:
        p.drawLine(QPointF(10, 3), QPointF(5, 8));
        p.drawLine(QPointF(5, 8), QPointF(10, 13));
        break;
    case Symbol::chevronRight:
        p.drawLine(QPointF(6, 3), QPointF(11, 8));
        p.drawLine(QPointF(11, 8), QPointF(6, 13));
        break;
    }
}

QIcon drawnIcon(Symbol symbol, const QColor& ink)
{
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        for (int side : {16, 24, 32}) {
            QPixmap pixmap(side * scale, side * scale);
            pixmap.setDevicePixelRatio(scale);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(side / 16.0, side / 16.0);
            painter.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            draw(painter, symbol);
            painter.end();
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

} // namespace

Symbol kindSymbol(DotWidgetKind kind)
{
    switch (kind) {
    case DotWidgetKind::worldBoard:
        return Symbol::globe;
    case DotWidgetKind::clock:
        return Symbol::clock;
    case DotWidgetKind::day:
        return Symbol::calendar;
    case DotWidgetKind::progress:
        return Symbol::barChart;
    case DotWidgetKind::countdown:
        return Symbol::hourglass;
    case DotWidgetKind::sign:
        return Symbol::textBubble;
    }
    return Symbol::globe;
}

QIcon symbolIcon(Symbol symbol, const QColor& ink)
{
    return drawnIcon(symbol, ink);
}

QIcon symbolIcon(Symbol symbol)
{
    const QIcon drawn = drawnIcon(symbol, QApplication::palette().color(QPalette::WindowText));
    const char* name = themeName(symbol);
    return name ? QIcon::fromTheme(name, drawn) : drawn;
}

} // namespace quillon
