#include "platform/updater/self_updater.h"

#include "platform/updater/update_schedule.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSettings>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace quillon {
namespace {

constexpr const char* kStartsKey = "Updates/starts";
constexpr const char* kAutomaticKey = "Updates/automaticallyChecks";
constexpr const char* kLastCheckKey = "Updates/lastCheck";
// A check that failed (offline, a server error) still waits its turn before the next one.
constexpr const char* kLastAttemptKey = "Updates/lastAttempt";
constexpr const char* kSkippedKey = "Updates/skippedVersion";
// The question of the second start waits until the window is up.
constexpr int kStartDelayMilliseconds = 3000;

QString text(const std::string& value) { return QString::fromStdString(value); }

} // namespace

SelfUpdater::SelfUpdater(SelfUpdaterConfiguration configuration, QSettings& settings, UpdateUserDriver& driver,
                         Clock clock, QObject* parent)
    : UpdateEngine(parent), m_configuration(std::move(configuration)), m_settings(settings), m_driver(driver),
      m_clock(std::move(clock))
{
    m_nextCheck.setSingleShot(true);
    connect(&m_nextCheck, &QTimer::timeout, this, [this] { check(false); });
}

SelfUpdater::~SelfUpdater()
{
    // A transfer cut short by quitting is no error to tell anyone about.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool SelfUpdater::isAllowedUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == "https")
        return true;
    const QHostAddress address(url.host());
    return url.scheme() == "http" && (url.host() == "localhost" || address.isLoopback());
}

void SelfUpdater::start()
{
    const int starts = m_settings.value(kStartsKey, 0).toInt() + 1;
    m_settings.setValue(kStartsKey, starts);
    UpdateCheckRecord record{starts, std::nullopt, lastUpdateCheckDate()};
    if (m_settings.contains(kAutomaticKey))
        record.automaticallyChecks = m_settings.value(kAutomaticKey).toBool();
    switch (actionAtStart(record, m_clock())) {
    case StartAction::none:
        scheduleNextCheck();
        break;
    case StartAction::askAboutAutomaticChecks:
        QTimer::singleShot(kStartDelayMilliseconds, this, [this] {
            setAutomaticallyChecksForUpdates(m_driver.askToCheckAutomatically());
            scheduleNextCheck();
        });
        break;
    case StartAction::check:
        QTimer::singleShot(kStartDelayMilliseconds, this, [this] { check(false); });
        break;
    }
}

bool SelfUpdater::automaticallyChecksForUpdates() const { return m_settings.value(kAutomaticKey, false).toBool(); }

void SelfUpdater::setAutomaticallyChecksForUpdates(bool checks)
{
    m_settings.setValue(kAutomaticKey, checks);
    scheduleNextCheck();
}

std::optional<Instant> SelfUpdater::lastUpdateCheckDate() const
{
    bool number = false;
    const double seconds = m_settings.value(kLastCheckKey).toDouble(&number);
    return number ? std::optional<Instant>(Instant{seconds}) : std::nullopt;
}

void SelfUpdater::scheduleNextCheck()
{
    m_nextCheck.stop();
    std::optional<Instant> last = lastUpdateCheckDate();
    bool number = false;
    const double attempt = m_settings.value(kLastAttemptKey).toDouble(&number);
    if (number && (!last || attempt > last->secondsSinceReferenceDate))
        last = Instant{attempt};
    UpdateCheckRecord record{0, automaticallyChecksForUpdates(), last};
    if (!m_settings.contains(kAutomaticKey))
        record.automaticallyChecks.reset();
    const Instant now = m_clock();
    const std::optional<Instant> due = nextAutomaticCheck(record, now);
    if (!due)
        return;
    const double milliseconds = std::clamp((*due - now) * 1000, 0.0, kAutomaticCheckInterval * 1000);
    m_nextCheck.start(static_cast<int>(milliseconds));
}

QNetworkReply* SelfUpdater::get(const QUrl& url, std::uint64_t mostBytes)
{
    QNetworkRequest request(url);
    // Never from https down to http on a redirect.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMilliseconds);
    request.setHeader(QNetworkRequest::UserAgentHeader, "Quillon/" + text(m_configuration.currentVersion));
    QNetworkReply* reply = m_network.get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, mostBytes](qint64 received, qint64) {
        // More than was promised is not what was promised.
        if (received > 0 && static_cast<std::uint64_t>(received) > mostBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        if (!isAllowedUrl(target))
            reply->abort();
    });
    return reply;
}

void SelfUpdater::setReply(QNetworkReply* reply)
{
    const bool couldCheck = canCheckForUpdates();
    m_reply = reply;
    if (couldCheck != canCheckForUpdates())
        emit canCheckForUpdatesChanged(canCheckForUpdates());
}

void SelfUpdater::check(bool userInitiated)
{
    if (m_reply)
        return;
    if (!isAllowedUrl(m_configuration.feed)) {
        finish("The update feed's address is not a secure (https) address.", userInitiated);
        return;
    }
    m_settings.setValue(kLastAttemptKey, m_clock().secondsSinceReferenceDate);
    QNetworkReply* reply = get(m_configuration.feed, kMaxAppcastBytes);
    setReply(reply);
    connect(reply, &QNetworkReply::finished, this, [this, userInitiated] { feedArrived(userInitiated); });
}

void SelfUpdater::feedArrived(bool userInitiated)
{
    QNetworkReply* reply = m_reply;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        finish("The update server could not be reached: " + reply->errorString(), userInitiated);
        return;
    }
    const QByteArray body = reply->readAll();
    const auto items = parseAppcast(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
    if (!items) {
        finish("The update feed could not be read.", userInitiated);
        return;
    }
    m_settings.setValue(kLastCheckKey, m_clock().secondsSinceReferenceDate);
    const std::string skipped = m_settings.value(kSkippedKey).toString().toStdString();
    const std::optional<AppcastItem> update = newestApplicableUpdate(
        *items, m_configuration.currentVersion, m_configuration.systemVersion, userInitiated ? "" : skipped);
    if (!update) {
        if (userInitiated)
            m_driver.showUpToDate(m_configuration.currentVersion);
        finish({}, userInitiated);
        return;
    }
    offer(*update, userInitiated);
}

void SelfUpdater::offer(const AppcastItem& update, bool userInitiated)
{
    // The question may take the user a while: no transfer is under way meanwhile, but no second
    // check starts either, since the reply stays set until the answer.
    switch (m_driver.showUpdateFound(update, m_configuration.currentVersion, m_configuration.install.has_value())) {
    case UpdateChoice::skip:
        m_settings.setValue(kSkippedKey, text(update.version));
        finish({}, userInitiated);
        return;
    case UpdateChoice::remindLater:
        finish({}, userInitiated);
        return;
    case UpdateChoice::install:
        break;
    }
    if (!m_configuration.install) {
        m_driver.openDownloadPage(m_configuration.downloadPage);
        finish({}, userInitiated);
        return;
    }
    download(update);
}

void SelfUpdater::download(const AppcastItem& update)
{
    const QUrl url(text(update.enclosure.url));
    if (update.enclosure.length > kMaxArchiveBytes) {
        finish("The update is larger than any release of this program.", true);
        return;
    }
    if (!isAllowedUrl(url)) {
        finish("The update's download address is not a secure (https) address.", true);
        return;
    }
    // A download an earlier run did not finish (it quit, or the machine went down) is of no use.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(m_configuration.install->root, ignored)) {
        if (entry.path().filename().string().starts_with(".download-"))
            std::filesystem::remove(entry.path(), ignored);
    }
    const std::string archive =
        (m_configuration.install->root / (".download-" + std::to_string(getpid()) + ".tar.gz")).string();
    auto file = std::make_shared<QFile>(text(archive));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        finish("The update could not be saved: " + file->errorString(), true);
        return;
    }
    QNetworkReply* reply = get(url, update.enclosure.length);
    setReply(reply);
    // A full disk stops the download rather than leaving a short file to be found out later.
    const auto keep = [reply, file] {
        const QByteArray bytes = reply->readAll();
        if (file->write(bytes) != bytes.size())
            reply->abort();
    };
    connect(reply, &QNetworkReply::readyRead, this, keep);
    connect(reply, &QNetworkReply::downloadProgress, this, [this, update](qint64 received, qint64) {
        m_driver.showDownloadProgress(static_cast<std::uint64_t>(std::max<qint64>(received, 0)), update.enclosure.length);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, file, update, archive, keep] {
        reply->deleteLater();
        keep();
        const bool written = file->flush() && file->error() == QFileDevice::NoError;
        file->close();
        if (reply->error() == QNetworkReply::NoError && !written) {
            QFile::remove(text(archive));
            finish("The update could not be saved: " + file->errorString(), true);
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            QFile::remove(text(archive));
            finish("The update could not be downloaded: " + reply->errorString(), true);
            return;
        }
        downloaded(update, archive);
    });
}

void SelfUpdater::downloaded(const AppcastItem& update, const std::string& archive)
{
    const InstallOutcome outcome =
        installDownloadedUpdate(*m_configuration.install, archive, update, m_configuration.publicKeyBase64);
    if (!outcome.installed) {
        finish(text(outcome.error), true);
        return;
    }
    // Until it restarts, this program is still the old version, but the new one is installed: it is
    // not offered again.
    m_configuration.currentVersion = update.version;
    finish({}, true);
    if (!m_driver.offerRelaunch(update))
        return;
    // The new version starts once this one has gone: while it runs, a second start would only hand
    // its arguments over to it and end.
    const QStringList arguments{"-c", "while kill -0 \"$1\" 2>/dev/null; do sleep 0.1; done; exec \"$2\"", "relaunch",
                                QString::number(QCoreApplication::applicationPid()),
                                QString::fromStdString(outcome.program.string())};
    if (QProcess::startDetached("/bin/sh", arguments))
        QCoreApplication::quit();
}

void SelfUpdater::finish(const QString& problem, bool showProblem)
{
    setReply(nullptr);
    if (!problem.isEmpty() && showProblem)
        m_driver.showError(problem.toStdString());
    scheduleNextCheck();
    emit checkFinished(problem);
}

} // namespace quillon
