#include "updater/self_updater.h"

#include "platform/io/write_all.h"
#include "updater/download_file.h"
#include "updater/update_schedule.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSettings>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace quillon {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStartsKey = "Updates/starts";
constexpr const char* kAutomaticKey = "Updates/automaticallyChecks";
constexpr const char* kLastCheckKey = "Updates/lastCheck";
// A check that failed (offline, a server error) still waits its turn before the next one.
constexpr const char* kLastAttemptKey = "Updates/lastAttempt";
constexpr const char* kSkippedKey = "Updates/skippedVersion";
// The question of the second start waits until the window is up.
constexpr int kStartDelayMilliseconds = 3000;
// Of what a server says went wrong (its reason phrase among it): enough to tell, not to flood.
constexpr qsizetype kMostServerWordsCharacters = 200;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

// lupdate reads no template arguments among a text's arguments, so the count is worked out apart.
int wholeSeconds(std::chrono::milliseconds duration)
{
    return static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(duration).count());
}

QString savingFailure(int error, const fs::path& folder)
{
    if (error == ENOSPC || error == EDQUOT)
        return QCoreApplication::translate(
            "quillon::SelfUpdater", "There is not enough space on the disk to download the update to %1.")
            .arg(text(folder.string()));
    return QCoreApplication::translate("quillon::SelfUpdater", "The update could not be saved in %1: %2")
        .arg(text(folder.string()), QString::fromLocal8Bit(std::strerror(error)));
}

// Why a download that has ended is not whole, or nothing to go on and install it. `writeError` is
// the errno of a write or flush of the file that failed, 0 when none did.
std::optional<QString> endedDownloadProblem(const QNetworkReply& reply, const BoundedTransfer& transfer,
    int writeError, std::uint64_t length, const fs::path& root, std::chrono::milliseconds deadline)
{
    if (writeError != 0)
        return savingFailure(writeError, root);
    if (transfer.stop() == BoundedTransfer::Stop::tooSlow) {
        const int minutes = (wholeSeconds(deadline) + 59) / 60;
        return QCoreApplication::translate("quillon::SelfUpdater",
            "The download was too slow to finish within %n minute(s).", "the download's deadline", minutes);
    }
    if (transfer.stop() == BoundedTransfer::Stop::tooLarge)
        return QCoreApplication::translate(
            "quillon::SelfUpdater", "The download is larger than the update feed says it is.");
    if (reply.error() != QNetworkReply::NoError)
        return QCoreApplication::translate("quillon::SelfUpdater", "The update could not be downloaded: %1")
            .arg(reply.errorString().left(kMostServerWordsCharacters));
    if (transfer.received() != length)
        return QCoreApplication::translate(
            "quillon::SelfUpdater", "The download is not the size the update feed gives for it.");
    return std::nullopt;
}

} // namespace

SelfUpdater::SelfUpdater(SelfUpdaterConfiguration configuration, QSettings& settings,
    UpdateUserDriver& driver, Clock clock, QObject* parent)
    : UpdateEngine(parent)
    , m_configuration(std::move(configuration))
    , m_settings(settings)
    , m_driver(driver)
    , m_clock(std::move(clock))
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
    // An install stopped halfway leaves the install as it was.
    if (m_installing.joinable()) {
        m_installing.request_stop();
        m_installing.join();
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
    // What a run that crashed, was killed or lost power left half-done goes first.
    if (m_configuration.install) {
        removeAbandonedUpdateWork(*m_configuration.install);
        // The launcher went back from a build that could not start: not offered again by itself.
        if (const auto failed = takeRolledBackVersion(*m_configuration.install)) {
            m_settings.setValue(kSkippedKey, text(*failed));
            QTimer::singleShot(
                kStartDelayMilliseconds, this, [this, build = *failed] { m_driver.showStartFailed(build); });
        }
    }
    const int starts = m_settings.value(kStartsKey, 0).toInt() + 1;
    m_settings.setValue(kStartsKey, starts);
    UpdateCheckRecord record {starts, std::nullopt, lastUpdateCheckDate()};
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

bool SelfUpdater::automaticallyChecksForUpdates() const
{
    return m_settings.value(kAutomaticKey, false).toBool();
}

void SelfUpdater::setAutomaticallyChecksForUpdates(bool checks)
{
    m_settings.setValue(kAutomaticKey, checks);
    scheduleNextCheck();
}

std::optional<Instant> SelfUpdater::lastUpdateCheckDate() const
{
    bool number = false;
    const double seconds = m_settings.value(kLastCheckKey).toDouble(&number);
    return number ? std::optional<Instant>(Instant {seconds}) : std::nullopt;
}

void SelfUpdater::scheduleNextCheck()
{
    m_nextCheck.stop();
    std::optional<Instant> last = lastUpdateCheckDate();
    bool number = false;
    const double attempt = m_settings.value(kLastAttemptKey).toDouble(&number);
    if (number && (!last || attempt > last->secondsSinceReferenceDate))
        last = Instant {attempt};
    UpdateCheckRecord record {0, automaticallyChecksForUpdates(), last};
    if (!m_settings.contains(kAutomaticKey))
        record.automaticallyChecks.reset();
    const Instant now = m_clock();
    const std::optional<Instant> due = nextAutomaticCheck(record, now);
    if (!due)
        return;
    const double milliseconds = std::clamp((*due - now) * 1000, 0.0, kAutomaticCheckInterval * 1000);
    m_nextCheck.start(static_cast<int>(milliseconds));
}

QNetworkReply* SelfUpdater::get(const QUrl& url)
{
    QNetworkRequest request(url);
    // Never from https down to http on a redirect.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMilliseconds);
    request.setHeader(
        QNetworkRequest::UserAgentHeader, "Quillon/" + text(m_configuration.currentShortVersion));
    QNetworkReply* reply = m_network.get(request);
    connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        if (!isAllowedUrl(target))
            reply->abort();
    });
    m_reply = reply;
    return reply;
}

void SelfUpdater::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit canCheckForUpdatesChanged(canCheckForUpdates());
}

void SelfUpdater::check(bool userInitiated)
{
    if (m_busy)
        return;
    if (!isAllowedUrl(m_configuration.feed)) {
        finish(QCoreApplication::translate(
                   "quillon::SelfUpdater", "The update feed's address is not a secure (https) address."),
            userInitiated);
        return;
    }
    setBusy(true);
    m_settings.setValue(kLastAttemptKey, m_clock().secondsSinceReferenceDate);
    QNetworkReply* reply = get(m_configuration.feed);
    auto feed = std::make_shared<QByteArray>();
    auto* transfer = new BoundedTransfer(
        reply, kMaxAppcastBytes, m_configuration.feedDeadline, [feed](std::string_view piece) {
            feed->append(piece.data(), static_cast<qsizetype>(piece.size()));
            return true;
        });
    m_transfer = transfer;
    connect(reply, &QNetworkReply::finished, this, [this, reply, transfer, feed, userInitiated] {
        reply->deleteLater();
        transfer->readAvailable();
        if (transfer->stop() == BoundedTransfer::Stop::cancelled) {
            finish({}, false);
            return;
        }
        if (transfer->stop() == BoundedTransfer::Stop::tooSlow) {
            const int seconds = wholeSeconds(m_configuration.feedDeadline);
            finish(QCoreApplication::translate("quillon::SelfUpdater",
                       "The update server did not send the update feed within %n second(s).",
                       "the feed's deadline", seconds),
                userInitiated);
            return;
        }
        if (transfer->stop() == BoundedTransfer::Stop::tooLarge) {
            finish(QCoreApplication::translate(
                       "quillon::SelfUpdater", "The update feed is larger than any feed of this program."),
                userInitiated);
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            finish(QCoreApplication::translate(
                       "quillon::SelfUpdater", "The update server could not be reached: %1")
                       .arg(reply->errorString().left(kMostServerWordsCharacters)),
                userInitiated);
            return;
        }
        feedArrived(*feed, userInitiated);
    });
}

void SelfUpdater::feedArrived(const QByteArray& feed, bool userInitiated)
{
    const auto items
        = parseAppcast(std::string_view(feed.constData(), static_cast<std::size_t>(feed.size())));
    if (!items) {
        finish(QCoreApplication::translate("quillon::SelfUpdater", "The update feed could not be read."),
            userInitiated);
        return;
    }
    m_settings.setValue(kLastCheckKey, m_clock().secondsSinceReferenceDate);
    const std::string skipped = m_settings.value(kSkippedKey).toString().toStdString();
    const std::optional<AppcastItem> update = newestApplicableUpdate(
        *items, m_configuration.currentVersion, m_configuration.system, userInitiated ? "" : skipped);
    if (!update) {
        if (userInitiated)
            m_driver.showUpToDate(m_configuration.currentShortVersion);
        finish({}, userInitiated);
        return;
    }
    offer(*update, userInitiated);
}

void SelfUpdater::offer(const AppcastItem& update, bool userInitiated)
{
    switch (m_driver.showUpdateFound(
        update, m_configuration.currentShortVersion, m_configuration.install.has_value())) {
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
        finish(QCoreApplication::translate(
                   "quillon::SelfUpdater", "The update is larger than any release of this program."),
            true);
        return;
    }
    if (!isAllowedUrl(url)) {
        finish(QCoreApplication::translate(
                   "quillon::SelfUpdater", "The update's download address is not a secure (https) address."),
            true);
        return;
    }
    const fs::path root = m_configuration.install->root;
    // Nameless, and held open from the first byte to the last check: nothing can open it, swap it
    // or leave it behind, however the program ends.
    int createError = 0;
    auto file = std::make_shared<FileDescriptor>(createDownloadFile(root, createError));
    if (!file->isOpen()) {
        finish(savingFailure(createError, root), true);
        return;
    }
    auto writeError = std::make_shared<int>(0);
    const std::uint64_t length = update.enclosure.length;
    const auto deadline = m_configuration.downloadDeadlineBase
        + std::chrono::seconds(length / std::max<std::uint64_t>(1, m_configuration.slowestBytesPerSecond));
    QNetworkReply* reply = get(url);
    auto* transfer = new BoundedTransfer(reply, length, deadline, [file, writeError](std::string_view piece) {
        if (writeAll(file->get(), piece))
            return true;
        *writeError = errno;
        return false;
    });
    m_transfer = transfer;
    m_driver.setCancelAction([this] { cancel(); });
    connect(transfer, &BoundedTransfer::progressed, this,
        [this, length](std::uint64_t received) { m_driver.showDownloadProgress(received, length); });
    connect(reply, &QNetworkReply::finished, this,
        [this, reply, transfer, file, writeError, update, root, deadline] {
            reply->deleteLater();
            transfer->readAvailable();
            if (transfer->stop() == BoundedTransfer::Stop::cancelled)
                return finish({}, false);
            // A full disk shows when the file is flushed as well as when it is written.
            if (*writeError == 0 && fsync(file->get()) != 0 && errno != EINVAL)
                *writeError = errno;
            if (const auto problem = endedDownloadProblem(
                    *reply, *transfer, *writeError, update.enclosure.length, root, deadline))
                return finish(*problem, true);
            install(update, file);
        });
    // The window, and its Cancel, from the start: a server may take its time with the first byte.
    m_driver.showDownloadProgress(0, length);
}

void SelfUpdater::install(const AppcastItem& update, std::shared_ptr<FileDescriptor> archive)
{
    m_reply = nullptr;
    m_driver.showInstallProgress(0, 2 * update.enclosure.length);
    // Progress crosses to this thread a thousand times at most, however large the archive.
    auto shown = std::make_shared<std::atomic<std::uint64_t>>(0);
    InstallProgress progress = [this, shown](std::uint64_t done, std::uint64_t total) {
        const std::uint64_t permille = total ? done * 1000 / total : 0;
        if (shown->exchange(permille) == permille)
            return;
        QMetaObject::invokeMethod(
            this, [this, done, total] { m_driver.showInstallProgress(done, total); }, Qt::QueuedConnection);
    };
    const ReleaseRequirements requirements {
        m_configuration.publicKeyBase64, m_configuration.identifier, m_configuration.currentVersion};
    const SelfUpdatingInstall target = *m_configuration.install;
    // Checking and unpacking read the whole archive and write the release: seconds for a large
    // one, during which the windows keep answering.
    m_installing
        = std::jthread([this, target, archive, update, requirements, progress](std::stop_token stop) {
              InstallOutcome outcome
                  = installDownloadedUpdate(target, archive->get(), update, requirements, progress, stop);
              QMetaObject::invokeMethod(
                  this, [this, update, outcome] { installed(update, outcome); }, Qt::QueuedConnection);
          });
    // Cancelled as the progress window changed from the download to the install.
    if (m_cancelled)
        m_installing.request_stop();
}

void SelfUpdater::installed(const AppcastItem& update, const InstallOutcome& outcome)
{
    m_installing.join();
    if (!outcome.installed) {
        // Stopped because the user cancelled: nothing went wrong.
        finish(m_cancelled ? QString() : text(outcome.error), true);
        return;
    }
    // Until it restarts, this program is still the old version, but the new one is installed: it is
    // not offered again.
    m_configuration.currentVersion = update.version;
    m_configuration.currentShortVersion = update.shortVersion.empty() ? update.version : update.shortVersion;
    finish({}, true);
    if (!m_driver.offerRelaunch(update))
        return;
    // The new version starts once this one has gone: while it runs, a second start would only hand
    // its arguments over to it and end.
    const QStringList arguments {"-c", "while kill -0 \"$1\" 2>/dev/null; do sleep 0.1; done; exec \"$2\"",
        "relaunch", QString::number(QCoreApplication::applicationPid()),
        QString::fromStdString(outcome.program.string())};
    if (QProcess::startDetached("/bin/sh", arguments))
        QCoreApplication::quit();
}

void SelfUpdater::cancel()
{
    if (!m_busy || m_cancelled)
        return;
    m_cancelled = true;
    if (m_transfer)
        m_transfer->cancel();
    if (m_installing.joinable())
        m_installing.request_stop();
}

void SelfUpdater::finish(const QString& problem, bool showProblem)
{
    m_reply = nullptr;
    m_transfer = nullptr;
    const bool cancelled = std::exchange(m_cancelled, false);
    if (cancelled)
        m_driver.closeProgress();
    setBusy(false);
    if (!problem.isEmpty() && showProblem)
        m_driver.showError(problem.toStdString());
    scheduleNextCheck();
    emit checkFinished(problem);
}

} // namespace quillon
