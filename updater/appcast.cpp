// Reading an update feed with Qt's streaming XML reader, which never fetches anything on its own.
#include "updater/appcast.h"

#include "updater/version_order.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <utility>

namespace quillon {
namespace {

constexpr QStringView kSparkleNamespace = u"http://www.andymatuschak.org/xml-namespaces/sparkle";

constexpr std::size_t kMaxItems = 1000;

// An item with a longer field is skipped rather than cut: a cut URL, version or signature says
// something else than the feed did, and no honest field, release notes included, comes near this.
constexpr std::size_t kMaxFieldBytes = 64 * 1024;

// Where each element sits: <rss><channel><item><field>.
constexpr int kRootDepth = 1;
constexpr int kChannelDepth = 2;
constexpr int kItemDepth = 3;
constexpr int kFieldDepth = 4;

// An item while it is read. The version may come from an element or from the enclosure's
// attributes, in either order, so both are kept until the item ends.
struct ItemDraft {
    AppcastItem item;
    std::string elementVersion;
    std::string elementShortVersion;
    std::string attributeVersion;
    std::string attributeShortVersion;
    std::string length;
    bool hasEnclosure = false;
    bool tooLong = false;
};

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view kXmlWhitespace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kXmlWhitespace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kXmlWhitespace) - first + 1);
}

void appendBounded(std::string& text, QStringView more, bool& tooLong)
{
    const QByteArray utf8 = more.toUtf8();
    const auto size = static_cast<std::size_t>(utf8.size());
    if (text.size() + size > kMaxFieldBytes) {
        tooLong = true;
        return;
    }
    text.append(utf8.constData(), size);
}

bool isElement(const QXmlStreamReader& reader, QStringView namespaceUri, QStringView name)
{
    return reader.namespaceUri() == namespaceUri && reader.name() == name;
}

// Matched by namespace and local name, never by prefix: a feed may bind the namespace to any prefix.
QStringView attributeValue(const QXmlStreamAttributes& attributes, QStringView namespaceUri, QStringView name)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.namespaceUri() == namespaceUri && attribute.name() == name)
            return attribute.value();
    }
    return {};
}

void readEnclosure(const QXmlStreamAttributes& attributes, ItemDraft& draft)
{
    // RSS gives an item one enclosure; a second one is not what the first one's signature covers.
    if (draft.hasEnclosure)
        return;
    draft.hasEnclosure = true;
    const auto take = [&](std::string& destination, QStringView namespaceUri, QStringView name) {
        std::string text;
        appendBounded(text, attributeValue(attributes, namespaceUri, name), draft.tooLong);
        destination = trimmed(text);
    };
    take(draft.item.enclosure.url, {}, u"url");
    take(draft.length, {}, u"length");
    take(draft.item.enclosure.type, {}, u"type");
    take(draft.item.enclosure.edSignature, kSparkleNamespace, u"edSignature");
    take(draft.item.enclosure.os, kSparkleNamespace, u"os");
    take(draft.attributeVersion, kSparkleNamespace, u"version");
    take(draft.attributeShortVersion, kSparkleNamespace, u"shortVersionString");
}

// Where the text of an item's child element goes; nothing for elements the updater has no use for.
std::string* fieldFor(const QXmlStreamReader& reader, ItemDraft& draft)
{
    if (reader.namespaceUri().isEmpty()) {
        if (reader.name() == u"title")
            return &draft.item.title;
        if (reader.name() == u"description")
            return &draft.item.releaseNotes;
        if (reader.name() == u"pubDate")
            return &draft.item.publicationDate;
        if (reader.name() == u"enclosure")
            readEnclosure(reader.attributes(), draft);
        return nullptr;
    }
    if (reader.namespaceUri() != kSparkleNamespace)
        return nullptr;
    if (reader.name() == u"version")
        return &draft.elementVersion;
    if (reader.name() == u"shortVersionString")
        return &draft.elementShortVersion;
    if (reader.name() == u"releaseNotesLink")
        return &draft.item.releaseNotesLink;
    if (reader.name() == u"minimumSystemVersion")
        return &draft.item.minimumSystemVersion;
    return nullptr;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    const auto lower = [](char character) {
        return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character;
    };
    return text.size() >= prefix.size()
        && std::equal(
            prefix.begin(), prefix.end(), text.begin(), [&](char a, char b) { return lower(a) == lower(b); });
}

bool isDownloadUrl(std::string_view text)
{
    if (!startsWithIgnoringCase(text, "https://") && !startsWithIgnoringCase(text, "http://"))
        return false;
    // Spaces and control characters would be quietly encoded or dropped on the way to the server.
    if (std::any_of(text.begin(), text.end(),
            [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }))
        return false;
    const QUrl url(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}

// Digits only: std::from_chars alone would read "12abc" as 12, and "-5" would wrap around.
std::optional<std::uint64_t> parseLength(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0)
        return std::nullopt;
    return value;
}

bool isBase64(std::string_view text)
{
    if (text.empty() || text.size() % 4 != 0)
        return false;
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == '=')
        --end;
    if (end == 0 || text.size() - end > 2)
        return false;
    return std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+'
            || c == '/';
    });
}

std::optional<AppcastItem> finishedItem(ItemDraft draft)
{
    AppcastItem& item = draft.item;
    item.version
        = draft.elementVersion.empty() ? std::move(draft.attributeVersion) : std::move(draft.elementVersion);
    item.shortVersion = draft.elementShortVersion.empty() ? std::move(draft.attributeShortVersion)
                                                          : std::move(draft.elementShortVersion);
    const auto length = parseLength(draft.length);
    if (draft.tooLong || !draft.hasEnclosure || item.version.empty() || !length
        || !isDownloadUrl(item.enclosure.url) || !isBase64(item.enclosure.edSignature))
        return std::nullopt;
    item.enclosure.length = *length;
    return std::move(item);
}

} // namespace

std::optional<std::vector<AppcastItem>> parseAppcast(std::string_view xml)
{
    if (xml.size() > kMaxAppcastBytes)
        return std::nullopt;
    // From bytes rather than a QString, so the reader honours the encoding the declaration names.
    QXmlStreamReader reader(QByteArray(xml.data(), static_cast<qsizetype>(xml.size())));
    reader.setNamespaceProcessing(true);

    std::vector<AppcastItem> items;
    std::optional<ItemDraft> draft;
    std::string* field = nullptr; // inside `draft`, so only set while an item is open
    std::string fieldText;
    int depth = 0;
    bool inChannel = false;
    // Read to the end even once the items are in: a document that breaks off later is not a feed.
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            // Entities are how a document makes itself expand without bound or reaches for local
            // files, and a feed has no use for them.
            if (!reader.entityDeclarations().isEmpty())
                return std::nullopt;
            break;
        case QXmlStreamReader::EntityReference:
            // Declared in an external DTD that is never read, so what it stands for is unknown.
            return std::nullopt;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == kRootDepth) {
                if (!isElement(reader, {}, u"rss"))
                    return std::nullopt;
            } else if (depth == kChannelDepth) {
                inChannel = isElement(reader, {}, u"channel");
            } else if (depth == kItemDepth && inChannel && isElement(reader, {}, u"item")
                && items.size() < kMaxItems) {
                draft.emplace();
            } else if (depth == kFieldDepth && draft) {
                field = fieldFor(reader, *draft);
                fieldText.clear();
            }
            break;
        case QXmlStreamReader::Characters:
            if (field)
                appendBounded(fieldText, reader.text(), draft->tooLong);
            break;
        case QXmlStreamReader::EndElement:
            if (depth == kFieldDepth && field) {
                // The first occurrence that says something wins; repeats do not run together.
                if (field->empty())
                    *field = trimmed(fieldText);
                field = nullptr;
            } else if (depth == kItemDepth && draft) {
                if (auto item = finishedItem(std::move(*draft)))
                    items.push_back(std::move(*item));
                draft.reset();
            } else if (depth == kChannelDepth) {
                inChannel = false;
            }
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return items;
}

bool runsOn(std::string_view os, std::string_view machine)
{
    std::string lower;
    for (char c : os)
        lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower.empty() || lower == "linux")
        return true;
    if (!lower.starts_with("linux-"))
        return false;
    // Debian's and the kernel's names for the same processors.
    const auto canonical = [](std::string_view name) -> std::string_view {
        if (name == "amd64" || name == "x64")
            return "x86_64";
        if (name == "arm64")
            return "aarch64";
        if (name == "i386" || name == "i486" || name == "i586" || name == "i686")
            return "x86";
        return name;
    };
    std::string ownMachine;
    for (char c : machine)
        ownMachine += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return canonical(std::string_view(lower).substr(6)) == canonical(ownMachine);
}

std::optional<AppcastItem> newestApplicableUpdate(const std::vector<AppcastItem>& items,
    std::string_view currentVersion, const RunningSystem& system, std::string_view skippedVersion)
{
    const AppcastItem* newest = nullptr;
    for (const AppcastItem& item : items) {
        const bool isNewer = compareVersions(item.version, currentVersion) > 0;
        const bool runsHere = (item.minimumSystemVersion.empty()
                                  || compareVersions(item.minimumSystemVersion, system.version) <= 0)
            && runsOn(item.enclosure.os, system.machine);
        const bool skipped = !skippedVersion.empty() && compareVersions(item.version, skippedVersion) <= 0;
        if (!isNewer || !runsHere || skipped)
            continue;
        // On a tie the earlier item stays, as the feed lists it first.
        if (!newest || compareVersions(item.version, newest->version) > 0)
            newest = &item;
    }
    if (!newest)
        return std::nullopt;
    return *newest;
}

} // namespace quillon
