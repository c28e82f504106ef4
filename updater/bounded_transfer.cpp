#include "updater/bounded_transfer.h"

#include <QByteArray>

namespace quillon {

BoundedTransfer::BoundedTransfer(
    QNetworkReply* reply, std::uint64_t mostBytes, std::chrono::milliseconds deadline, Sink sink)
    : QObject(reply)
    , m_reply(reply)
    , m_mostBytes(mostBytes)
    , m_sink(std::move(sink))
{
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::CoarseTimer);
    connect(&m_deadline, &QTimer::timeout, this, [this] { stopWith(Stop::tooSlow); });
    m_deadline.start(deadline);
    // Qt reads from the socket only while its buffer has room: the server cannot get far ahead.
    reply->setReadBufferSize(kPieceBytes);
    connect(reply, &QNetworkReply::readyRead, this, &BoundedTransfer::readAvailable);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        // A server that announces too much is not waited for. A compressed transfer's length says
        // nothing of what it unpacks to, so only a plain one is judged by it.
        bool known = false;
        const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && announced > 0 && !m_reply->hasRawHeader("Content-Encoding")
            && static_cast<std::uint64_t>(announced) > m_mostBytes)
            stopWith(Stop::tooLarge);
    });
}

void BoundedTransfer::readAvailable()
{
    while (m_stop == Stop::none && m_reply->bytesAvailable() > 0) {
        // One byte more than may come, to tell "exactly the limit" from "over it".
        const std::uint64_t room = m_mostBytes - m_received + 1;
        const QByteArray piece
            = m_reply->read(static_cast<qint64>(std::min<std::uint64_t>(room, kPieceBytes)));
        if (piece.isEmpty())
            return;
        if (static_cast<std::uint64_t>(piece.size()) > m_mostBytes - m_received) {
            stopWith(Stop::tooLarge);
            return;
        }
        m_received += static_cast<std::uint64_t>(piece.size());
        if (!m_sink(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())))) {
            stopWith(Stop::sinkFailed);
            return;
        }
        emit progressed(m_received);
    }
}

void BoundedTransfer::stopWith(Stop reason)
{
    if (m_stop != Stop::none || m_reply->isFinished())
        return;
    m_stop = reason;
    m_reply->abort();
}

} // namespace quillon
