// quillon: the studio. Takes an optional quillon://widget/<kind> link, as the desktop passes it.
#include "platform/info/build_info.h"
#include "platform/store/settings_folder.h"
#include "platform/translations/translations.h"
#include "studio/application/display_check.h"
#include "studio/application/studio_application.h"
#include "studio/application/studio_arguments.h"

#include <QApplication>

#include <algorithm>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: quillon [quillon://widget/KIND]\n"
                               "       quillon --version\n"
                               "Opens the Quillon studio, on the display KIND when a widget link is given\n"
                               "(KIND: worldBoard, clock, day, progress, countdown, sign). Other quillon:\n"
                               "links are ignored; Qt's own options, such as -platform NAME, are Qt's.\n";

} // namespace

int main(int argc, char** argv)
{
    // Read before anything needs a display: help and the version need none (an update runs the new
    // version's --version to see that it starts on this machine), and a wrong argument is told as
    // such wherever the studio is started.
    const auto read = quillon::readStudioArguments(
        argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>());
    if (const auto* error = std::get_if<quillon::CommandLineError>(&read)) {
        if (error->fault == quillon::CommandLineFault::unknownOption)
            std::cerr << "quillon: " << error->message() << "\n" << kUsage;
        else
            std::cerr << "quillon: " << error->message()
                      << ": the studio opens quillon://widget/KIND links only; see --help\n";
        return 2;
    }
    const quillon::StudioArguments& arguments = std::get<quillon::StudioArguments>(read);
    if (arguments.request == quillon::StudioArguments::Request::help) {
        std::cout << kUsage;
        return 0;
    }
    if (arguments.request == quillon::StudioArguments::Request::version) {
        std::cout << quillon::versionLine("quillon", quillon::thisBuild()) << "\n";
        return 0;
    }

    // Where Qt's platform cannot start, Qt aborts: the studio says why in one line instead.
    const quillon::DisplayChoice display = quillon::chooseStudioDisplay(
        quillon::sessionDisplayFacts(arguments.qtPlatform, arguments.x11Display));
    if (!display.canOpen) {
        std::cerr << "quillon: " << display.problem << "\n";
        return 1;
    }
    // The platform goes to Qt as an argument, not through QT_QPA_PLATFORM, which the programs the
    // studio opens (a browser for its web site) would inherit. Qt keeps using the vector it is given.
    std::string programName = "quillon";
    std::string platformOption = "-platform";
    std::string platform = display.qtPlatform;
    std::vector<char*> qtArguments(argv, argv + std::max(argc, 0));
    if (qtArguments.empty())
        qtArguments.push_back(programName.data());
    if (!platform.empty())
        qtArguments.insert(qtArguments.begin() + 1, {platformOption.data(), platform.data()});
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);

    QApplication application(qtArgumentCount, qtArguments.data());
    quillon::letGoOfDisplayProbes();
    QApplication::setApplicationName("Quillon");
    QApplication::setOrganizationDomain("quillon.com");
    // QSettings keeps the studio's own settings in <config home>/<organization name>/Quillon.conf:
    // the one settings folder, beside the record, once what earlier versions kept elsewhere is there.
    QApplication::setOrganizationName(QString::fromUtf8(
        quillon::kSettingsFolderName.data(), static_cast<qsizetype>(quillon::kSettingsFolderName.size())));
    quillon::moveEarlierSettings();
    QApplication::setDesktopFileName("com.quillon.Quillon");
    quillon::installTranslations(quillon::translationFolders());

    quillon::StudioApplication studio;
    if (!studio.start(arguments.link))
        return 0;
    return QApplication::exec();
}
