// The updater of a copy installed from the download: reads the feed over HTTPS, offers a newer
// release, downloads it beside the installed versions, checks its size and signature, and switches
// to it. Where the program cannot replace itself (a distribution package), "Install Update" opens
// the download page instead. Its own state (the automatic-check answer, the last check, a skipped
// version, the number of starts) is kept in the program's settings.
#pragma once

#include "platform/updater/update_engine.h"
#include "platform/updater/update_installer.h"
#include "platform/updater/update_user_driver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>

class QSettings;

namespace quillon {

struct SelfUpdaterConfiguration {
    QUrl feed;
    std::string publicKeyBase64;
    std::string currentVersion;
    std::string systemVersion;                   // compared with a release's minimum system version
    std::optional<SelfUpdatingInstall> install;  // nothing: the program cannot replace itself
    std::string downloadPage;
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
    bool canCheckForUpdates() const override { return !m_reply; }
    bool automaticallyChecksForUpdates() const override;
    void setAutomaticallyChecksForUpdates(bool checks) override;
    std::optional<Instant> lastUpdateCheckDate() const override;
    void checkForUpdates() override { check(true); }

    // Where https is not required: a server on this machine, for tests of the whole path.
    static bool isAllowedUrl(const QUrl& url);

signals:
    // After every check, found or not, with the outcome for people ("" when nothing went wrong).
    void checkFinished(const QString& problem);

private:
    void check(bool userInitiated);
    void feedArrived(bool userInitiated);
    void offer(const AppcastItem& update, bool userInitiated);
    void download(const AppcastItem& update);
    void downloaded(const AppcastItem& update, const std::string& archive);
    void finish(const QString& problem, bool userInitiated);
    void scheduleNextCheck();
    QNetworkReply* get(const QUrl& url, std::uint64_t mostBytes);
    void setReply(QNetworkReply* reply);

    SelfUpdaterConfiguration m_configuration;
    QSettings& m_settings;
    UpdateUserDriver& m_driver;
    Clock m_clock;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply; // the transfer under way: while there is one, no check starts
    QTimer m_nextCheck;
};

} // namespace quillon
