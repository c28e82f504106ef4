// Reading a release's information record with Qt's JSON reader.
#include "updater/release_record.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace quillon {
namespace {

constexpr qint64 kMaxRecordBytes = 64 * 1024;

// The record's keys, as the first releases wrote them: copies installed long ago look for them in
// every new release, so they never change (platform/info/release_record.json.in writes them).
constexpr std::string_view kIdentifierKey = "CFBundleIdentifier";
constexpr std::string_view kBuildKey = "CFBundleVersion";
constexpr std::string_view kVersionKey = "CFBundleShortVersionString";

std::string stringAt(const QJsonObject& record, std::string_view key)
{
    const QJsonValue value = record.value(QLatin1String(key.data(), static_cast<qsizetype>(key.size())));
    return value.isString() ? value.toString().trimmed().toStdString() : std::string();
}

} // namespace

std::optional<ReleaseRecord> readReleaseRecord(const std::filesystem::path& release)
{
    QFile file(QString::fromStdString((release / kReleaseRecordPath).string()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.read(kMaxRecordBytes + 1);
    if (text.size() > kMaxRecordBytes)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    ReleaseRecord record {
        stringAt(object, kIdentifierKey), stringAt(object, kBuildKey), stringAt(object, kVersionKey)};
    if (record.identifier.empty() || record.version.empty())
        return std::nullopt;
    return record;
}

} // namespace quillon
