// The updater of a copy installed from the download: reads the feed over HTTPS, offers a newer
// release, downloads it beside the installed versions, checks its size and signature, and switches
// to it. Where the program cannot replace itself (a distribution package), "Install Update" opens
// the download page instead. Its own state (the automatic-check answer, the last check, a skipped
// version, the number of starts) is kept in the program's settings.
#pragma once

#include "updater/bounded_transfer.h"
#include "updater/file_descriptor.h"
#include "updater/update_engine.h"
#include "updater/update_installer.h"
#include "updater/update_user_driver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

class QSettings;

namespace quillon {

struct SelfUpdaterConfiguration {
    QUrl feed;
    std::string publicKeyBase64;
    std::string identifier; // the program's, as a release's own record must name it
    std::string currentVersion; // the build (BuildInfo::build), compared with feeds'
    std::string currentShortVersion; // the version people read (BuildInfo::version)
    RunningSystem system; // what a release must run on
    std::optional<SelfUpdatingInstall> install; // nothing: the program cannot replace itself
    std::string downloadPage;
    // A server that trickles still comes to an end: the feed within a minute, a download within a
    // minute plus its length at the slowest rate worth waiting for.
    std::chrono::milliseconds feedDeadline = std::chrono::seconds(60);
    std::chrono::milliseconds downloadDeadlineBase = std::chrono::seconds(60);
    std::uint64_t slowestBytesPerSecond = 16 * 1024;
};

class SelfUpdater final : public UpdateEngine {
    Q_OBJECT

public:
    using Clock = std::function<Instant()>;
    static constexpr int kTransferTimeoutMilliseconds = 30000;

    SelfUpdater(SelfUpdaterConfiguration configuration, QSettings& settings, UpdateUserDriver& driver,
        Clock clock = &Instant::now, QObject* parent = nullptr);
    ~SelfUpdater() override;

    void start() override;
    bool canCheckForUpdates() const override { return !m_busy; }
    bool automaticallyChecksForUpdates() const override;
    void setAutomaticallyChecksForUpdates(bool checks) override;
    std::optional<Instant> lastUpdateCheckDate() const override;
    void checkForUpdates() override { check(true); }
    // Stops the download or the install under way at once, leaving nothing of it behind and telling
    // nobody: the user asked for it.
    void cancel();

    // Where https is not required: a server on this machine, for tests of the whole path.
    static bool isAllowedUrl(const QUrl& url);

signals:
    // After every check, found or not, with the outcome for people ("" when nothing went wrong).
    void checkFinished(const QString& problem);

private:
    void check(bool userInitiated);
    void feedArrived(const QByteArray& feed, bool userInitiated);
    void offer(const AppcastItem& update, bool userInitiated);
    void download(const AppcastItem& update);
    void install(const AppcastItem& update, std::shared_ptr<FileDescriptor> archive);
    void installed(const AppcastItem& update, const InstallOutcome& outcome);
    void finish(const QString& problem, bool userInitiated);
    void scheduleNextCheck();
    QNetworkReply* get(const QUrl& url);
    void setBusy(bool busy);

    SelfUpdaterConfiguration m_configuration;
    QSettings& m_settings;
    UpdateUserDriver& m_driver;
    Clock m_clock;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply; // the transfer under way, if any
    QPointer<BoundedTransfer> m_transfer; // its reader
    // From the start of a check to its end, including the question to the user and the install,
    // no second check starts.
    bool m_busy = false;
    bool m_cancelled = false; // since the check began
    QTimer m_nextCheck;
    std::jthread m_installing; // stopped and joined when the updater goes
};

} // namespace quillon
