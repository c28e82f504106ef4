// quillon-icon: draws the application icon from its SVG at one size in pixels, as a PNG for the
// icon theme's fixed-size folders. Used by the build.
#include "platform/info/build_info.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <iostream>
#include <string_view>

namespace {

constexpr const char* kUsage = "usage: quillon-icon ICON.svg SIZE OUT.png   (SIZE from 8 to 1024)\n"
                               "       quillon-icon --version\n"
                               "Draws the SVG icon as a SIZE by SIZE pixel PNG.\n";

} // namespace

int main(int argc, char** argv)
{
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (first == "--version") {
        std::cout << quillon::versionLine("quillon-icon", quillon::thisBuild()) << "\n";
        return 0;
    }
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool isNumber = false;
    const int side = arguments.value(2).toInt(&isNumber);
    if (arguments.size() != 4 || !isNumber || side < 8 || side > 1024) {
        std::cerr << kUsage;
        return 2;
    }
    QSvgRenderer svg(arguments[1]);
    if (!svg.isValid()) {
        std::cerr << "quillon-icon: cannot read " << arguments[1].toStdString() << "\n";
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(arguments[3], "PNG")) {
        std::cerr << "quillon-icon: cannot write " << arguments[3].toStdString() << "\n";
        return 1;
    }
    return 0;
}
