// The settings program's windows, and what they ask of the host and tell it.
#include "widgethost/settings/widget_settings.h"

#include "platform/session_bus/session_bus.h"
#include "platform/session_bus/widget_host_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QListWidget>
#include <QPointer>
#include <QTimer>

#include <utility>

#include <iostream>

namespace quillon::widgethost {
namespace {

// Longer than any note the host writes, short enough to show.
constexpr int kLongestNote = 4000;

void log(const QString& line)
{
    std::cerr << "quillon-widget-settings: " << line.toStdString() << "\n";
}

QDBusMessage hostCall(const char* method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kHostBusName, kHostObjectPath, kHostInterface, method);
    call.setArguments(arguments);
    // What is asked here only a running host knows: a host started for it would know no widget by
    // the ids it is asked about.
    call.setAutoStartService(false);
    return call;
}

} // namespace

WidgetSettings::WidgetSettings(PluginLoader loadPlugins, QObject* parent)
    : QObject(parent)
    , m_loadPlugins(std::move(loadPlugins))
{
    auto bus = sessionBus();
    if (!bus)
        return;
    if (!bus->connect(kHostBusName, kHostObjectPath, kHostInterface, kWidgetRemovedSignal, this,
            SLOT(closeEditor(QString))))
        log("cannot listen for widgets the host removes; their editors stay open");
    if (!bus->connect(kHostBusName, kHostObjectPath, kHostInterface, kPlacedWidgetsChangedSignal, this,
            SLOT(refreshPlacedWidgets())))
        log("cannot listen for changes of the placed widgets; the gallery lists them as they were when it "
            "opened");
    // The ids are those of the host running now: when it ends, a host started after it names its
    // widgets anew.
    auto* host
        = new QDBusServiceWatcher(kHostBusName, *bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(host, &QDBusServiceWatcher::serviceUnregistered, this, &WidgetSettings::closeEditors);
}

WidgetSettings::~WidgetSettings() = default;

const std::vector<LoadedPlugin>& WidgetSettings::plugins()
{
    if (!m_plugins)
        m_plugins = m_loadPlugins();
    return *m_plugins;
}

void WidgetSettings::show(const SettingsRequest& request)
{
    if (request.window == SettingsRequest::Window::editor)
        editWidget(request.widget);
    else
        showGallery();
}

void WidgetSettings::showGallery()
{
    if (!m_gallery) {
        m_gallery = std::make_unique<WidgetGallery>(plugins());
        connect(m_gallery.get(), &WidgetGallery::addRequested, this,
            [this](const std::string& kind, WidgetFamily family) {
                askHostToPlaceWidget(kind, rawValue(family),
                    [self = QPointer<WidgetSettings>(this)](bool, const QString& message) {
                        if (self)
                            self->refreshNote(message);
                    });
            });
        connect(m_gallery.get(), &WidgetGallery::closed, this, &WidgetSettings::endIfNothingShown);
        PlacedWidgetsPanel& placed = m_gallery->placedWidgets();
        connect(&placed, &PlacedWidgetsPanel::editRequested, this, &WidgetSettings::editWidget);
        connect(&placed, &PlacedWidgetsPanel::sizeRequested, this,
            [this](const QString& id, WidgetFamily family) {
                askHost(kSetWidgetSizeMethod, {id, QString(rawValue(family))});
            });
        connect(&placed, &PlacedWidgetsPanel::moveRequested, this,
            [this](const QString& id, const QString& screen) {
                askHost(kMoveWidgetMethod, {id, screen});
            });
        connect(&placed, &PlacedWidgetsPanel::removeRequested, this,
            [this](const QString& id) { askHost(kRemoveWidgetMethod, {id}); });
    }
    m_gallery->present();
    refreshNote({});
    m_listAwaited = true;
    refreshPlacedWidgets();
}

void WidgetSettings::refreshPlacedWidgets()
{
    if (!m_gallery)
        return;
    callOnSessionBus(hostCall(kPlacedWidgetsMethod, {}), kSettingsCallTimeoutMilliseconds,
        [self = QPointer<WidgetSettings>(this)](const QDBusMessage& reply) {
            if (!self || !self->m_gallery)
                return;
            const QList<QVariant> values = reply.arguments();
            // A host that is not running has no widgets on the desktop.
            const bool listed = reply.type() == QDBusMessage::ReplyMessage && values.size() == 1;
            PlacedWidgetsPanel& placed = self->m_gallery->placedWidgets();
            placed.setList(
                listed ? decodePlacedWidgetList(values[0].toString().toStdString()) : PlacedWidgetList {});
            if (std::exchange(self->m_listAwaited, false) && placed.list()->isVisible())
                placed.list()->setFocus(Qt::OtherFocusReason);
        });
}

void WidgetSettings::askHost(const char* method, const QVariantList& arguments)
{
    callOnSessionBus(hostCall(method, arguments), kSettingsCallTimeoutMilliseconds,
        [self = QPointer<WidgetSettings>(this), method](const QDBusMessage& reply) {
            const QList<QVariant> values = reply.arguments();
            if (reply.type() == QDBusMessage::ErrorMessage)
                log(QString("%1 did not reach the host: %2").arg(method, reply.errorMessage()));
            else if (values.size() == 2 && !values[0].toBool())
                log(QString("the host did not do %1: %2").arg(method, values[1].toString().left(300)));
            // The list shows what the host has now, whether or not the change was made.
            if (self)
                self->refreshPlacedWidgets();
        });
}

bool WidgetSettings::showNote(const QString& text)
{
    if (!m_gallery || !m_gallery->isVisible())
        return false;
    m_gallery->setNote(text.left(kLongestNote));
    return true;
}

void WidgetSettings::refreshNote(const QString& answer)
{
    callOnSessionBus(hostCall(kGalleryNoteMethod, {}), kSettingsCallTimeoutMilliseconds,
        [self = QPointer<WidgetSettings>(this), answer](const QDBusMessage& reply) {
            if (!self || !self->m_gallery)
                return;
            const QList<QVariant> values = reply.arguments();
            const QString standing = reply.type() == QDBusMessage::ReplyMessage && values.size() == 1
                ? values[0].toString().left(kLongestNote)
                : QString();
            self->m_gallery->setNote(
                standing.isEmpty() || answer.isEmpty() ? standing + answer : standing + "\n\n" + answer);
        });
}

void WidgetSettings::editWidget(const QString& id)
{
    if (const auto open = m_editors.find(id); open != m_editors.end()) {
        open->second->raise();
        open->second->activateWindow();
        return;
    }
    if (!m_opening.insert(id).second)
        return;
    callOnSessionBus(hostCall(kWidgetConfigurationMethod, {id}), kSettingsCallTimeoutMilliseconds,
        [self = QPointer<WidgetSettings>(this), id](const QDBusMessage& reply) {
            if (self)
                self->openEditor(id, reply);
        });
}

void WidgetSettings::openEditor(const QString& id, const QDBusMessage& reply)
{
    m_opening.erase(id);
    const QList<QVariant> values = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || values.size() != 4 || !values[0].toBool()) {
        log(QString("the host has no widget %1 to edit%2")
                .arg(id,
                    reply.type() == QDBusMessage::ErrorMessage ? ": " + reply.errorMessage() : QString()));
        endIfNothingShown();
        return;
    }
    const std::string pluginName = values[1].toString().toStdString();
    const std::string kind = values[2].toString().toStdString();
    const std::string configuration = values[3].toString().toStdString();
    const LoadedPlugin* plugin = pluginNamed(plugins(), pluginName);
    const WidgetDescription* description = plugin ? widgetOfKind(*plugin, kind) : nullptr;
    if (!description || description->configuration.parameters.empty()) {
        log(QString("no plug-in here has settings for the widget %1 (%2 of %3)")
                .arg(id, QString::fromStdString(kind), QString::fromStdString(pluginName)));
        endIfNothingShown();
        return;
    }
    auto editor = std::make_unique<WidgetEditor>(*plugin->plugin, description->configuration, configuration);
    WidgetEditor* raw = editor.get();
    raw->setAttribute(Qt::WA_DeleteOnClose, false);
    // Every change goes to the host as it is made, as the widget on the desktop follows at once.
    connect(raw, &WidgetEditor::edited, this, [this, raw, id, sent = configuration]() mutable {
        const std::string edited = raw->configuration();
        if (edited == sent)
            return;
        sent = edited;
        sendConfiguration(id, edited);
    });
    connect(raw, &QDialog::finished, this, [this, id] { forgetEditor(id); });
    m_editors.emplace(id, std::move(editor));
    raw->show();
    raw->raise();
    raw->activateWindow();
}

void WidgetSettings::sendConfiguration(const QString& id, const std::string& configuration)
{
    callOnSessionBus(hostCall(kSetWidgetConfigurationMethod, {id, QString::fromStdString(configuration)}),
        kSettingsCallTimeoutMilliseconds, [id](const QDBusMessage& reply) {
            const QList<QVariant> values = reply.arguments();
            if (reply.type() == QDBusMessage::ErrorMessage)
                log(QString("the settings of widget %1 did not reach the host: %2")
                        .arg(id, reply.errorMessage()));
            else if (values.size() == 2 && !values[0].toBool())
                log(QString("the host did not take the settings of widget %1: %2")
                        .arg(id, values[1].toString().left(300)));
        });
}

void WidgetSettings::closeEditor(const QString& id)
{
    // Closed as by the user, the editor then goes as every closed one does.
    if (const auto open = m_editors.find(id); open != m_editors.end())
        open->second->close();
}

void WidgetSettings::closeEditors()
{
    std::vector<QString> ids;
    for (const auto& [id, editor] : m_editors)
        ids.push_back(id);
    for (const QString& id : ids)
        closeEditor(id);
}

void WidgetSettings::forgetEditor(const QString& id)
{
    const auto open = m_editors.find(id);
    if (open == m_editors.end())
        return;
    // It is in the middle of its own signal: it goes once that returns.
    open->second.release()->deleteLater();
    m_editors.erase(open);
    endIfNothingShown();
}

void WidgetSettings::endIfNothingShown()
{
    // Looked at once the window that closed is hidden, and any request its closing set off is out.
    QTimer::singleShot(0, this, [this] {
        if ((!m_gallery || !m_gallery->isVisible()) && m_editors.empty() && m_opening.empty())
            emit nothingShown();
    });
}

} // namespace quillon::widgethost
