// quillon: the studio. Takes an optional quillon://widget/<kind> link, as the desktop passes it.
#include "platform/info/bundle_info.h"
#include "platform/translations/translations.h"
#include "scenes/widget_link.h"
#include "studio/application/studio_application.h"

#include <QApplication>

#include <iostream>
#include <string_view>

namespace {

constexpr const char* kUsage = "usage: quillon [quillon://widget/KIND]\n"
                               "       quillon --version\n"
                               "Opens the Quillon studio, on the display KIND when a widget link is given\n"
                               "(KIND: worldBoard, clock, day, progress, countdown, sign).\n";

} // namespace

int main(int argc, char** argv)
{
    // Help and the version need no display: an update runs the new version's --version to see
    // that it starts on this machine.
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << quillon::versionLine("quillon", quillon::mainBundleInfo()) << "\n";
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillon");
    QApplication::setOrganizationDomain("quillon.com");
    QApplication::setDesktopFileName("com.quillon.Quillon");
    quillon::installTranslations(quillon::translationFolders());

    // Qt has taken its own options; what is left is ours.
    std::optional<std::string> link;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument.startsWith('-')) {
            std::cerr << "quillon: unknown option '" << argument.left(200).toStdString() << "'\n" << kUsage;
            return 2;
        }
        // Anything that is not a widget link is ignored, as links of other kinds are.
        if (!link && argument.size() <= static_cast<qsizetype>(quillon::kMaxLinkLength)
            && quillon::kindFromWidgetLink(argument.toStdString()))
            link = argument.toStdString();
    }

    quillon::StudioApplication studio;
    if (!studio.start(link))
        return 0;
    return QApplication::exec();
}
