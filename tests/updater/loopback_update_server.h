// A small HTTP server on the loopback address for the update path's tests, and a user who answers
// the update windows from a script.
#pragma once

#include "updater/update_user_driver.h"

#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillon::testing {

// Answers GET requests for the paths it was given, and 404 for the rest. A streamed path has no
// length announced and is written as fast as the client takes it, without end unless a size is
// given; the server counts what it handed to the connection. A trickled path announces its file's
// length and then sends one byte at a time, a pause between each.
class LoopbackServer final : public QObject {
public:
    static constexpr qint64 kEndless = -1;

    LoopbackServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                // Each connection's request is gathered apart: a table keyed by the socket's address
                // mixed in the request of an earlier socket that had lived at the same address.
                auto request = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, socket,
                    [this, socket, request] { answer(*socket, *request); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString url(const QString& path) const
    {
        return QString("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    std::map<QByteArray, QByteArray> files;
    std::map<QByteArray, qint64> streamed; // path → bytes to send, or kEndless
    std::map<QByteArray, qint64> sent; // path → bytes a streamed path handed to its connections
    std::map<QByteArray, int> trickled; // path → milliseconds between the bytes of its file

private:
    void answer(QTcpSocket& socket, QByteArray& request)
    {
        if (request.contains("\r\n\r\n"))
            return; // answered already
        request += socket.readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        if (const auto stream = streamed.find(path); stream != streamed.end()) {
            stream_(socket, path, stream->second);
            return;
        }
        if (const auto trickle = trickled.find(path); trickle != trickled.end()) {
            trickle_(socket, files[path], trickle->second);
            return;
        }
        const auto found = files.find(path);
        const QByteArray body = found == files.end() ? QByteArray("not here") : found->second;
        socket.write((found == files.end() ? "HTTP/1.1 404 Not Found\r\n" : "HTTP/1.1 200 OK\r\n")
            + QByteArray("Content-Length: ") + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n\r\n" + body);
        socket.disconnectFromHost();
    }

    void trickle_(QTcpSocket& socket, const QByteArray& body, int pause)
    {
        socket.write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n\r\n");
        auto* timer = new QTimer(&socket);
        auto next = std::make_shared<qsizetype>(0);
        connect(timer, &QTimer::timeout, &socket, [&socket, body, next, timer] {
            if (*next >= body.size()) {
                timer->stop();
                socket.disconnectFromHost();
                return;
            }
            socket.write(body.mid((*next)++, 1));
        });
        timer->start(pause);
    }

    // Starts with the path's file, if any, then goes on with filler, a piece whenever the last is out.
    void stream_(QTcpSocket& socket, const QByteArray& path, qint64 size)
    {
        socket.write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        auto start = std::make_shared<QByteArray>(files.count(path) ? files[path] : QByteArray());
        auto left = std::make_shared<qint64>(size);
        const auto more = [this, &socket, path, start, left] {
            static const QByteArray filler(64 * 1024, 'x');
            while (socket.bytesToWrite() < 256 * 1024 && *left != 0) {
                QByteArray piece = start->isEmpty() ? filler : *start;
                start->clear();
                if (*left > 0) {
                    piece.truncate(static_cast<qsizetype>(std::min<qint64>(piece.size(), *left)));
                    *left -= piece.size();
                }
                sent[path] += socket.write(piece);
            }
            if (*left == 0)
                socket.disconnectFromHost();
        };
        connect(&socket, &QTcpSocket::bytesWritten, &socket, more);
        more();
    }

    QTcpServer m_server;
};

class ScriptedUser final : public UpdateUserDriver {
public:
    bool askToCheckAutomatically() override { return true; }
    UpdateChoice showUpdateFound(const AppcastItem& update, const std::string& currentVersion, bool) override
    {
        found.push_back(update.version);
        shownCurrentVersions.push_back(currentVersion);
        return choice;
    }
    void showUpToDate(const std::string& currentVersion) override { upToDate.push_back(currentVersion); }
    void setCancelAction(std::function<void()> action) override { cancel = std::move(action); }
    void showDownloadProgress(std::uint64_t received, std::uint64_t total) override
    {
        lastProgress = {received, total};
        mostReceived = std::max(mostReceived, received);
        if (onDownloadProgress)
            onDownloadProgress(received);
    }
    void showInstallProgress(std::uint64_t done, std::uint64_t total) override
    {
        ++installProgressCalls;
        lastInstallProgress = {done, total};
        if (onInstallProgress)
            onInstallProgress(done);
    }
    void closeProgress() override { ++progressClosed; }
    bool offerRelaunch(const AppcastItem&) override
    {
        ++relaunchOffers;
        return false;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
    void showStartFailed(const std::string& build) override { startsFailed.push_back(build); }
    void openDownloadPage(const std::string& url) override { pages.push_back(url); }

    // What the user has been shown so far, for the message of a failed check.
    QString describe() const
    {
        std::string shownErrors;
        for (const std::string& error : errors)
            shownErrors += (shownErrors.empty() ? "" : "; ") + error;
        return QString::fromStdString("found " + std::to_string(found.size())
            + " update(s), download progress " + std::to_string(lastProgress.first) + " of "
            + std::to_string(lastProgress.second) + " bytes, install progress "
            + std::to_string(lastInstallProgress.first) + " of " + std::to_string(lastInstallProgress.second)
            + ", up to date " + std::to_string(upToDate.size()) + " time(s), errors: [" + shownErrors + "]");
    }
    bool anErrorSays(const char* words) const
    {
        return std::any_of(errors.begin(), errors.end(),
            [&](const std::string& error) { return error.find(words) != std::string::npos; });
    }

    UpdateChoice choice = UpdateChoice::install;
    std::vector<std::string> found;
    std::vector<std::string> shownCurrentVersions;
    std::vector<std::string> upToDate;
    std::vector<std::string> errors;
    std::vector<std::string> startsFailed;
    std::vector<std::string> pages;
    std::pair<std::uint64_t, std::uint64_t> lastProgress;
    std::uint64_t mostReceived = 0;
    std::pair<std::uint64_t, std::uint64_t> lastInstallProgress;
    int installProgressCalls = 0;
    int relaunchOffers = 0;
    int progressClosed = 0;
    std::function<void()> cancel; // the progress window's Cancel, as the updater set it
    std::function<void(std::uint64_t)> onDownloadProgress; // what the user does on seeing progress
    std::function<void(std::uint64_t)> onInstallProgress;
};

} // namespace quillon::testing
