// The reasons a settings file could not be read or written, worded for people.
#include "platform/translations/store_report_text.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace quillon {
QString pathForPeople(const std::filesystem::path& path)
{
    const QString text = QString::fromStdString(path.string());
    const QString home = QDir::homePath();
    if (home.size() > 1 && (text == home || text.startsWith(home + '/')))
        return '~' + text.mid(home.size());
    return text;
}

QString storeProblemReason(const StoreReport& report)
{
    const QString path = pathForPeople(report.path);
    switch (report.problem) {
    case StoreProblem::none:
        break;
    case StoreProblem::readOnly:
        //: Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon
        return QCoreApplication::translate("quillon::StoreReport", "the folder %1 is read-only").arg(path);
    case StoreProblem::diskFull:
        //: Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon
        return QCoreApplication::translate("quillon::StoreReport", "the disk that holds %1 is full")
            .arg(path);
    case StoreProblem::notOurs:
        //: Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon
        return QCoreApplication::translate("quillon::StoreReport", "the folder %1 belongs to another user")
            .arg(path);
    case StoreProblem::notAFolder:
        //: Why a settings file could not be saved: a file stands where the folder %1 should be
        return QCoreApplication::translate("quillon::StoreReport", "%1 is not a folder").arg(path);
    case StoreProblem::unreadable:
        //: Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json
        return QCoreApplication::translate("quillon::StoreReport", "%1 may not be read").arg(path);
    case StoreProblem::damaged:
        //: Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json
        return QCoreApplication::translate("quillon::StoreReport", "%1 is damaged").arg(path);
    case StoreProblem::tooLarge:
        //: Why a settings file could not be read or saved; %1 is the file
        return QCoreApplication::translate("quillon::StoreReport", "%1 is larger than a settings file may be")
            .arg(path);
    case StoreProblem::notRepresentable:
        //: Why the settings could not be saved
        return QCoreApplication::translate(
            "quillon::StoreReport", "they hold text or a date that cannot be written down");
    case StoreProblem::other:
        //: Why a settings file could not be saved; %1 is the file or folder, %2 the system's reason
        return QCoreApplication::translate("quillon::StoreReport", "the system refused to write %1 (%2)")
            .arg(path, QString::fromLocal8Bit(std::strerror(report.error)));
    }
    return {};
}

} // namespace quillon
