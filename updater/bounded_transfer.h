// Reading a network reply piece by piece as its bytes arrive, with a limit enforced where they are
// read: Qt's buffer holds at most one piece, and the transfer stops at the first byte over. A limit
// checked in a progress handler instead lets a fast server push megabytes past it. A deadline ends
// the whole transfer: Qt's own timeout waits only for a pause, and a server that sends a byte every
// few seconds never pauses long enough.
#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

namespace quillon {

class BoundedTransfer final : public QObject {
    Q_OBJECT

public:
    enum class Stop { none, tooLarge, sinkFailed, tooSlow, cancelled };
    // Takes each piece; false stops the transfer (it could not be kept).
    using Sink = std::function<bool(std::string_view piece)>;

    static constexpr qint64 kPieceBytes = 64 * 1024;

    // Reads `reply`, which it belongs to from then on, handing at most `mostBytes` to `sink`, and
    // stops it when it has not finished by `deadline`.
    BoundedTransfer(
        QNetworkReply* reply, std::uint64_t mostBytes, std::chrono::milliseconds deadline, Sink sink);

    // Stops the transfer at once; the reply finishes as aborted.
    void cancel() { stopWith(Stop::cancelled); }

    // Takes what the reply still holds; call it when the reply has finished.
    void readAvailable();

    std::uint64_t received() const { return m_received; }
    // Why the transfer was stopped, when it was.
    Stop stop() const { return m_stop; }

signals:
    void progressed(std::uint64_t received);

private:
    void stopWith(Stop reason);

    QNetworkReply* m_reply;
    std::uint64_t m_mostBytes;
    Sink m_sink;
    std::uint64_t m_received = 0;
    Stop m_stop = Stop::none;
    QTimer m_deadline;
};

} // namespace quillon
