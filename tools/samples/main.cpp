// quillon-samples: PNG pictures of sample displays in every theme, for people to look at.
#include "tools/samples/sample_scenes.h"

#include "render/dot_painter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

using namespace quillon;

constexpr double kCornerRadius = 22;
constexpr int kSheetColumns = 4;
constexpr double kSheetGap = 16;

// A widget card: the theme's panel with rounded corners, the display on it, glow on dark themes.
void paintCard(QPainter& painter, const SampleScene& sample, const DotTheme& theme, QPointF at)
{
    const QRectF card(at, QSizeF(sample.width, sample.height));
    QPainterPath panel;
    panel.addRoundedRect(card, kCornerRadius, kCornerRadius);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(panel, toQColor(theme.background));
    paintScene(painter, sample.scene, theme, theme.isDark, card);
}

int usage(int status)
{
    (status ? std::cerr : std::cout) << "usage: quillon-samples [--out DIRECTORY] [--scale FACTOR]\n"
                                        "Writes one PNG per sample display with the eight themes side by side.\n";
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    QString directory = "samples";
    double scale = 2;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--help" || argument == "-h")
            return usage(0);
        if ((argument == "--out" || argument == "--scale") && index + 1 < argc) {
            const char* value = argv[++index];
            if (argument == "--out") {
                directory = QString::fromLocal8Bit(value);
            } else {
                char* end = nullptr;
                scale = std::strtod(value, &end);
                if (*end != '\0' || !(scale >= 0.25 && scale <= 8))
                    return usage(2);
            }
            continue;
        }
        return usage(2);
    }
    if (!QDir().mkpath(directory)) {
        std::cerr << "quillon-samples: cannot create " << directory.toStdString() << "\n";
        return 1;
    }

    for (const SampleScene& sample : sampleScenes()) {
        const int rows = (static_cast<int>(kAllThemeIDs.size()) + kSheetColumns - 1) / kSheetColumns;
        const QSizeF sheet(kSheetColumns * (sample.width + kSheetGap) + kSheetGap, rows * (sample.height + kSheetGap) + kSheetGap);
        QImage image((sheet * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(QColor(128, 128, 128));
        QPainter painter(&image);
        for (std::size_t index = 0; index < kAllThemeIDs.size(); ++index) {
            const auto column = static_cast<double>(index % kSheetColumns);
            const auto row = static_cast<double>(index / kSheetColumns);
            paintCard(painter, sample, themeTable()[kAllThemeIDs[index]],
                      QPointF(kSheetGap + column * (sample.width + kSheetGap), kSheetGap + row * (sample.height + kSheetGap)));
        }
        painter.end();
        const QString path = directory + "/" + QString::fromStdString(sample.name) + ".png";
        if (!image.save(path)) {
            std::cerr << "quillon-samples: cannot write " << path.toStdString() << "\n";
            return 1;
        }
        std::cout << path.toStdString() << "\n";
    }
    return 0;
}
