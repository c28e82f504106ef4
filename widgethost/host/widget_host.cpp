// Placed widgets, their file, the settings program's windows, and the reload signal.
#include "widgethost/host/widget_host.h"

#include "platform/calendar/instant.h"
#include "platform/desktop/desktop_entry.h"
#include "platform/desktop/self_updating_copy.h"
#include "platform/json/json_depth.h"
#include "platform/session_bus/dbus_timeline_reloader.h"
#include "platform/session_bus/desktop_notification.h"
#include "platform/session_bus/session_bus.h"
#include "platform/store/blob_folder.h"
#include "platform/translations/store_report_text.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QLocale>
#include <QProcess>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>

namespace quillon::widgethost {
namespace {

// Where on its screen a widget went, for "Placed … on your desktop, <region> of screen …".
QString regionWords(ScreenRegion region)
{
    switch (region) {
    case ScreenRegion::topLeft:
        //: Where on a screen a widget was placed: "…on your desktop, top left of screen HDMI-1"
        return WidgetHost::tr("top left");
    case ScreenRegion::top:
        //: Where on a screen a widget was placed: "…on your desktop, top of screen HDMI-1"
        return WidgetHost::tr("top");
    case ScreenRegion::topRight:
        //: Where on a screen a widget was placed: "…on your desktop, top right of screen HDMI-1"
        return WidgetHost::tr("top right");
    case ScreenRegion::left:
        //: Where on a screen a widget was placed: "…on your desktop, left of screen HDMI-1"
        return WidgetHost::tr("left");
    case ScreenRegion::middle:
        //: Where on a screen a widget was placed: "…on your desktop, middle of screen HDMI-1"
        return WidgetHost::tr("middle");
    case ScreenRegion::right:
        //: Where on a screen a widget was placed: "…on your desktop, right of screen HDMI-1"
        return WidgetHost::tr("right");
    case ScreenRegion::bottomLeft:
        //: Where on a screen a widget was placed: "…on your desktop, bottom left of screen HDMI-1"
        return WidgetHost::tr("bottom left");
    case ScreenRegion::bottom:
        //: Where on a screen a widget was placed: "…on your desktop, bottom of screen HDMI-1"
        return WidgetHost::tr("bottom");
    case ScreenRegion::bottomRight:
        break;
    }
    //: Where on a screen a widget was placed: "…on your desktop, bottom right of screen HDMI-1"
    return WidgetHost::tr("bottom right");
}

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

// Deep enough for any widget's settings, and shallow enough that the file holding them, three
// levels further down, stays within what reading it takes.
constexpr int kDeepestConfiguration = 32;

QDBusMessage settingsCall(const char* method, const QVariantList& arguments)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(kSettingsBusName, kSettingsObjectPath, kSettingsInterface, method);
    call.setArguments(arguments);
    // Only a settings program already running answers: when none does, the host starts one itself.
    call.setAutoStartService(false);
    return call;
}

QProcessEnvironment& settingsProgramEnvironment()
{
    static QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    return environment;
}

// The settings program beside the host, by its full path: the bus may have started the host with a
// PATH that lacks their folder. One that cannot start is told on the desktop: the user asked for a
// window and would otherwise see nothing.
void startSettingsProgram(const QStringList& arguments)
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() + '/' + kSettingsProgram);
    process.setArguments(arguments);
    process.setProcessEnvironment(settingsProgramEnvironment());
    if (process.startDetached())
        return;
    std::cerr << "quillon-widgets: cannot start " << process.program().toStdString() << ": "
              << process.errorString().toStdString() << "\n";
    notifyDesktop("com.quillon.WidgetHost", WidgetHost::tr("Quillon Widgets"),
        //: When the gallery or a widget's editor cannot open; %1 is the missing program's file
        WidgetHost::tr("The gallery and the widgets' settings cannot open: %1 cannot be started. "
                       "Installing Quillon again brings it back.")
            .arg(process.program()));
}

// Has the running settings program show a window, or starts one that shows it. One that does not
// answer in time is taken for gone: the one started then finds it and hands the request over.
void showInSettingsProgram(
    const char* method, const QVariantList& arguments, const QStringList& startArguments)
{
    callOnSessionBus(settingsCall(method, arguments), kSettingsCallTimeoutMilliseconds,
        [startArguments](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage)
                startSettingsProgram(startArguments);
        });
}

} // namespace

void setSettingsProgramEnvironment(QProcessEnvironment environment)
{
    settingsProgramEnvironment() = std::move(environment);
}

WidgetHost::WidgetHost(std::vector<LoadedPlugin> plugins, std::filesystem::path folder,
    std::unique_ptr<WidgetDesktop> desktop, QString pluginFolder)
    : m_plugins(std::move(plugins))
    , m_folder(std::move(folder))
    , m_pluginFolder(std::move(pluginFolder))
    , m_desktop(std::move(desktop))
{
    m_listChanged.setSingleShot(true);
    m_listChanged.setInterval(100);
    connect(&m_listChanged, &QTimer::timeout, this, &WidgetHost::placedWidgetsChanged);
    LoadedWidgets loaded = readPlacedWidgets(m_folder);
    for (const PlacedWidget& placed : loaded.widgets)
        show(placed);
    if (!loaded.report.ok())
        m_unreadFile = loaded.report;
    if (m_plugins.empty()) {
        std::cerr << "quillon-widgets: no widget plug-in in " << m_pluginFolder.toStdString()
                  << ": no widget can be shown or placed; the placed widgets are kept\n";
    }
    // Told once at start, where the user can see it: the host has no window of its own.
    if (const QString problem = standingProblem(); !problem.isEmpty())
        notifyDesktop("com.quillon.WidgetHost", tr("Quillon Widgets"), problem);
    // After a jump of the clock the entry on show may be the wrong one; after a change of zone
    // every face must be drawn anew.
    connect(&m_clockWatcher, &ClockWatcher::clockJumped, this, [this] {
        for (const auto& widget : m_widgets)
            widget->driver().reschedule();
    });
    connect(&m_clockWatcher, &ClockWatcher::zoneChanged, this, &WidgetHost::reloadAll);
    // The studio's request: every widget asks for a new timeline.
    if (auto bus = sessionBus()) {
        if (!bus->connect(QString(), kTimelinesObjectPath, kTimelinesInterface, kReloadAllTimelinesSignal,
                this, SLOT(reloadAll())))
            std::cerr << "quillon-widgets: cannot listen for the studio's reload signal; widgets follow its "
                         "changes at their next update\n";
    }
}

WidgetHost::~WidgetHost()
{
    // The desktop's views refer to the widgets: they go first.
    m_desktop.reset();
}

void WidgetHost::show(const PlacedWidget& placed)
{
    const LoadedPlugin* plugin = pluginNamed(m_plugins, placed.plugin);
    const WidgetDescription* description = plugin ? widgetOfKind(*plugin, placed.kind) : nullptr;
    if (!description) {
        m_unshown.push_back(placed);
        return;
    }
    auto widget = std::make_unique<LiveWidget>(*plugin->plugin, *description, placed);
    LiveWidget* raw = widget.get();
    connect(raw, &LiveWidget::changed, this, &WidgetHost::save);
    connect(raw, &LiveWidget::changed, &m_listChanged, qOverload<>(&QTimer::start));
    connect(raw, &LiveWidget::faceChanged, &m_listChanged, qOverload<>(&QTimer::start));
    connect(raw, &LiveWidget::galleryRequested, this, &WidgetHost::showGallery);
    connect(raw, &LiveWidget::editRequested, this, [this, raw] { editWidget(*raw); });
    connect(raw, &LiveWidget::removeRequested, this, [this, raw] { remove(*raw); });
    m_widgets.push_back(std::move(widget));
    m_desktop->show(*raw);
    m_listChanged.start();
}

void WidgetHost::remove(LiveWidget& widget)
{
    const auto found = std::find_if(
        m_widgets.begin(), m_widgets.end(), [&widget](const auto& owned) { return owned.get() == &widget; });
    if (found == m_widgets.end())
        return;
    const QString id = idOf(widget);
    m_desktop->hide(widget);
    // The widget may be in the middle of its own menu: it goes once that returns.
    found->release()->deleteLater();
    m_widgets.erase(found);
    save();
    emit widgetRemoved(id);
    m_listChanged.start();
}

PlaceAnswer WidgetHost::placeWidget(const std::string& kind, WidgetFamily family)
{
    const auto refuse = [&](const QString& why) {
        std::cerr << "quillon-widgets: did not place a " << kind << " widget: " << why.toStdString() << "\n";
        return PlaceAnswer {false, why};
    };
    if (m_plugins.empty()) {
        //: %1 is the folder the widget plug-ins are looked for in
        return refuse(tr("No widget plug-in is installed in %1, so there is no widget to place. Installing "
                         "Quillon again brings it back.")
                          .arg(m_pluginFolder));
    }
    for (const LoadedPlugin& plugin : m_plugins) {
        const WidgetDescription* description = widgetOfKind(plugin, kind);
        if (!description)
            continue;
        if (std::find(description->families.begin(), description->families.end(), family)
            == description->families.end()) {
            //: %1 is a widget's name, such as "Clock"; %2 a size, such as "Extra Large"
            return refuse(tr("The %1 widget does not come in the size %2.")
                              .arg(qText(description->displayName), familyDisplayTitle(family)));
        }
        std::vector<PlacedWidget> placed = placedWidgets();
        if (placed.size() >= kMaxPlacedWidgets) {
            //: %1 is the most widgets there can be on the desktop, 1,000
            return refuse(tr("%1 widgets are placed, the most there can be. Remove one to place another.")
                              .arg(QLocale().toString(static_cast<qulonglong>(kMaxPlacedWidgets))));
        }
        const QSize size = familyPointSize(family).toSize();
        const WidgetPlace place = m_desktop->placeForNew(size, placed);
        // Saved before it is shown: a widget that would be gone at the next start is not placed.
        placed.push_back({plugin.fileName, kind, family, place.screen, place.x, place.y, "{}"});
        const StoreReport kept = keep(placed);
        if (!kept.ok()) {
            //: %1 says why, as in "the folder ~/.config/quillon is read-only"
            return refuse(
                tr("The widget was not placed, as it could not be saved: %1.").arg(storeProblemReason(kept)));
        }
        show(placed.back());
        const QString name = qText(description->displayName);
        const QString region = regionWords(
            regionOf({place.x, place.y, double(size.width()), double(size.height())}, place.screenArea));
        QString message = place.screenName.empty()
            //: %1 is a widget's name, such as "Clock"; %2 where on the screen, such as "top left"
            ? tr("Placed the %1 widget on your desktop, %2.").arg(name, region)
            //: %1 is a widget's name, such as "Clock"; %2 where on the screen, such as "top left"; %3 the
            //: screen's name, such as HDMI-1
            : tr("Placed the %1 widget on your desktop, %2 of screen %3.")
                  .arg(name, region, qText(place.screenName));
        std::cerr << "quillon-widgets: " << message.toStdString() << "\n";
        return {true, std::move(message)};
    }
    //: %1 is the kind of widget asked for, as the program names it
    return refuse(tr("No widget plug-in has a widget of the kind “%1”.").arg(qText(kind).left(64)));
}

QString WidgetHost::standingProblem() const
{
    QStringList problems;
    if (m_plugins.empty()) {
        //: %1 is the folder the widget plug-ins are looked for in
        problems << tr(
            "No widget plug-in was found in %1, so no widget can be shown. Your placed widgets are "
            "kept and come back once it is there.")
                        .arg(m_pluginFolder);
    }
    if (!m_unreadFile.ok()) {
        const QString reason = storeProblemReason(m_unreadFile);
        if (!m_unreadFile.keptAs.empty()) {
            //: %1 says why, as in "~/.config/quillon/widgets.json is damaged"; %2 where the file is kept
            problems << tr(
                "Your placed widgets could not be read: %1. The file is kept as %2, and the desktop "
                "started without them.")
                            .arg(reason, pathForPeople(m_unreadFile.keptAs));
        } else {
            //: %1 says why, as in "~/.config/quillon/widgets.json may not be read"
            problems << tr(
                "Your placed widgets could not be read: %1. The file is left as it is, and nothing is "
                "saved over it.")
                            .arg(reason);
        }
    }
    if (!m_lastSave.ok()) {
        //: %1 says why, as in "the folder ~/.config/quillon is read-only"
        problems << tr("The last change to your widgets could not be saved: %1.")
                        .arg(storeProblemReason(m_lastSave));
    }
    return problems.join("\n\n");
}

void WidgetHost::tell(const QString& text)
{
    std::cerr << "quillon-widgets: " << text.toStdString() << "\n";
    // In the gallery when the settings program has it open, else in a notification.
    callOnSessionBus(settingsCall(kShowNoteMethod, {text}), kSettingsCallTimeoutMilliseconds,
        [text, title = tr("Quillon Widgets")](const QDBusMessage& reply) {
            const QList<QVariant> shown = reply.arguments();
            if (reply.type() == QDBusMessage::ErrorMessage || shown.size() != 1 || !shown[0].toBool())
                notifyDesktop("com.quillon.WidgetHost", title, text);
        });
}

void WidgetHost::reloadAll()
{
    for (const auto& widget : m_widgets)
        widget->driver().reload();
}

std::vector<PlacedWidget> WidgetHost::placedWidgets() const
{
    std::vector<PlacedWidget> placed = m_unshown;
    for (const auto& widget : m_widgets)
        placed.push_back(widget->placed());
    return placed;
}

StoreReport WidgetHost::keep(const std::vector<PlacedWidget>& placed)
{
    if (!m_unreadFile.ok() && m_unreadFile.keptAs.empty()) {
        const auto aside = setAsidePlacedWidgets(m_folder);
        if (!aside) {
            std::cerr << "quillon-widgets: " << quillon::describe(m_unreadFile)
                      << ", and it still cannot be moved aside; the change is not saved over it\n";
            return m_unreadFile;
        }
        m_unreadFile.keptAs = *aside;
        std::cerr << "quillon-widgets: moved " << m_unreadFile.path.string() << " to "
                  << m_unreadFile.keptAs.string() << " before saving\n";
    }
    StoreReport report = savePlacedWidgets(m_folder, placed);
    if (!report.ok()) {
        std::cerr << "quillon-widgets: cannot save the widgets: " << quillon::describe(report)
                  << "; the last change is not kept\n";
        return report;
    }
    // The autostart entry follows the file: it brings back what the file holds.
    updateAutostart(!placed.empty());
    return report;
}

void WidgetHost::save()
{
    const StoreReport report = keep(placedWidgets());
    const bool told = !m_lastSave.ok();
    m_lastSave = report;
    // A failure is told once, until a save succeeds; the gallery shows it while it lasts.
    if (!report.ok() && !told) {
        tell(standingProblem());
    } else if (report.ok() && told) {
        callOnSessionBus(settingsCall(kShowNoteMethod, {standingProblem()}), kSettingsCallTimeoutMilliseconds,
            [](const QDBusMessage&) {});
    }
}

// The widgets come back after the next login only while there are some: an autostart entry is
// written with the first and removed with the last.
void WidgetHost::updateAutostart(bool wanted)
{
    const std::filesystem::path autostart = BlobFolder::configHome() / "autostart";
    const std::filesystem::path entry = autostart / "com.quillon.WidgetHost.desktop";
    std::error_code error;
    if (!wanted) {
        std::filesystem::remove(entry, error);
        return;
    }
    if (std::filesystem::exists(entry, error))
        return;
    std::filesystem::create_directories(autostart, error);
    const auto folder = BlobFolder::openPath(autostart);
    // A copy that updates itself is started through its launcher, which outlives each version.
    const std::filesystem::path program
        = startingCommandOf(QCoreApplication::applicationDirPath().toStdString(),
            QCoreApplication::applicationFilePath().section('/', -1).toStdString());
    if (folder)
        folder->write("com.quillon.WidgetHost.desktop", autostartEntry("Quillon Widgets", program));
}

void WidgetHost::showGallery()
{
    showInSettingsProgram(kShowGalleryMethod, {}, {"--gallery"});
}

void WidgetHost::editWidget(const LiveWidget& widget)
{
    const QString id = idOf(widget);
    showInSettingsProgram(kEditWidgetMethod, {id}, {"--edit", id});
}

QString WidgetHost::idOf(const LiveWidget& widget) const
{
    return QString::number(QCoreApplication::applicationPid()) + '-' + QString::number(widget.serial());
}

LiveWidget* WidgetHost::widgetNamed(const QString& id) const
{
    if (id.size() > kLongestWidgetId)
        return nullptr;
    for (const auto& widget : m_widgets) {
        if (idOf(*widget) == id)
            return widget.get();
    }
    return nullptr;
}

std::optional<PlacedWidget> WidgetHost::widgetWithId(const QString& id) const
{
    if (const LiveWidget* widget = widgetNamed(id))
        return widget->placed();
    return std::nullopt;
}

std::optional<QString> WidgetHost::setWidgetConfiguration(const QString& id, const QString& configuration)
{
    LiveWidget* widget = widgetNamed(id);
    if (!widget)
        return QString("no widget has the id \"%1\"").arg(id.left(kLongestWidgetId));
    if (configuration.size() > kLongestWidgetConfiguration)
        return QString("the configuration is longer than %1 characters").arg(kLongestWidgetConfiguration);
    const std::string text = configuration.toStdString();
    if (jsonNestedDeeperThan(text, kDeepestConfiguration))
        return QString("the configuration is nested deeper than %1 levels").arg(kDeepestConfiguration);
    const nlohmann::json object = nlohmann::json::parse(text, nullptr, false);
    if (!object.is_object())
        return QString("the configuration is not a JSON object");
    widget->setConfiguration(object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    return std::nullopt;
}

PlacedWidgetList WidgetHost::placedWidgetList() const
{
    PlacedWidgetList list;
    list.screens = m_desktop->screenNames();
    for (const auto& widget : m_widgets) {
        const WidgetDescription& description = widget->description();
        list.widgets.push_back({idOf(*widget).toStdString(), description.displayName, widget->placed().family,
            description.families, widget->accessibilityText(), m_desktop->screenOf(*widget),
            !description.configuration.parameters.empty()});
    }
    // Named only where there is a choice of screens.
    if (list.screens.size() < 2) {
        list.screens.clear();
        for (PlacedWidgetEntry& entry : list.widgets)
            entry.screen.clear();
    }
    return list;
}

std::optional<QString> WidgetHost::setWidgetSize(const QString& id, const QString& family)
{
    LiveWidget* widget = widgetNamed(id);
    if (!widget)
        return QString("no widget has the id \"%1\"").arg(id.left(kLongestWidgetId));
    const auto size = widgetFamilyFromRawValue(family.left(64).toStdString());
    const std::vector<WidgetFamily>& sizes = widget->description().families;
    if (!size || std::find(sizes.begin(), sizes.end(), *size) == sizes.end())
        return QString("the widget does not come in the size \"%1\"").arg(family.left(64));
    if (*size != widget->placed().family)
        widget->setFamily(*size);
    return std::nullopt;
}

std::optional<QString> WidgetHost::moveWidgetToScreen(const QString& id, const QString& screen)
{
    LiveWidget* widget = widgetNamed(id);
    if (!widget)
        return QString("no widget has the id \"%1\"").arg(id.left(kLongestWidgetId));
    const std::string name = screen.left(256).toStdString();
    if (m_desktop->screenOf(*widget) == name)
        return std::nullopt;
    std::vector<PlacedWidget> others = m_unshown;
    for (const auto& other : m_widgets) {
        if (other.get() != widget)
            others.push_back(other->placed());
    }
    const std::optional<WidgetPlace> place = m_desktop->placeOnScreen(widget->size(), name, others);
    if (!place)
        return QString("no screen is named \"%1\"").arg(screen.left(256));
    // Shown anew where it goes: each desktop shows a widget at the place it keeps.
    m_desktop->hide(*widget);
    widget->moveTo(place->screen, place->x, place->y);
    m_desktop->show(*widget);
    return std::nullopt;
}

std::optional<QString> WidgetHost::removeWidget(const QString& id)
{
    LiveWidget* widget = widgetNamed(id);
    if (!widget)
        return QString("no widget has the id \"%1\"").arg(id.left(kLongestWidgetId));
    remove(*widget);
    return std::nullopt;
}

WidgetHostAdaptor::WidgetHostAdaptor(QObject* parent, WidgetHost& host)
    : QDBusAbstractAdaptor(parent)
    , m_host(host)
{
    connect(&host, &WidgetHost::widgetRemoved, this, &WidgetHostAdaptor::WidgetRemoved);
    connect(&host, &WidgetHost::placedWidgetsChanged, this, &WidgetHostAdaptor::PlacedWidgetsChanged);
}

namespace {

// The answer to a change the list asked for: the reason in `message`, and a line in the log, when
// nothing was changed.
bool answered(const char* what, const std::optional<QString>& problem, QString& message)
{
    if (problem)
        std::cerr << "quillon-widgets: did not " << what << ": " << problem->toStdString() << "\n";
    message = problem.value_or(QString());
    return !problem;
}

} // namespace

QString WidgetHostAdaptor::PlacedWidgets()
{
    return QString::fromStdString(encodePlacedWidgetList(m_host.placedWidgetList()));
}

bool WidgetHostAdaptor::SetWidgetSize(const QString& id, const QString& family, QString& message)
{
    return answered("resize a widget", m_host.setWidgetSize(id, family), message);
}

bool WidgetHostAdaptor::MoveWidget(const QString& id, const QString& screen, QString& message)
{
    return answered("move a widget", m_host.moveWidgetToScreen(id, screen), message);
}

bool WidgetHostAdaptor::RemoveWidget(const QString& id, QString& message)
{
    return answered("remove a widget", m_host.removeWidget(id), message);
}

bool WidgetHostAdaptor::AddWidget(const QString& kind, const QString& family)
{
    QString message;
    return PlaceWidget(kind, family, message);
}

bool WidgetHostAdaptor::PlaceWidget(const QString& kind, const QString& family, QString& message)
{
    const auto parsed = widgetFamilyFromRawValue(family.left(64).toStdString());
    if (!parsed) {
        //: %1 is the size asked for, as the program names it
        message = WidgetHost::tr("There is no widget size “%1”.").arg(family.left(64));
        return false;
    }
    const PlaceAnswer answer = m_host.placeWidget(kind.left(256).toStdString(), *parsed);
    message = answer.message;
    return answer.placed;
}

bool WidgetHostAdaptor::WidgetConfiguration(
    const QString& id, QString& plugin, QString& kind, QString& configuration)
{
    const std::optional<PlacedWidget> placed = m_host.widgetWithId(id);
    if (!placed)
        return false;
    plugin = qText(placed->plugin);
    kind = qText(placed->kind);
    configuration = qText(placed->configuration);
    return true;
}

bool WidgetHostAdaptor::SetWidgetConfiguration(
    const QString& id, const QString& configuration, QString& message)
{
    return answered("change a widget's settings", m_host.setWidgetConfiguration(id, configuration), message);
}

} // namespace quillon::widgethost
