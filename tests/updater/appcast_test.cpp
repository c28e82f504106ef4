// Reading update feeds, from well-made ones to hostile ones, and choosing the update to offer.
#include "updater/appcast.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quillon {

// Failure messages show the fields instead of the bytes of the struct.
void PrintTo(const AppcastItem& item, std::ostream* out)
{
    *out << "{title \"" << item.title << "\", version \"" << item.version << "\", shortVersion \""
         << item.shortVersion << "\", notes \"" << item.releaseNotes << "\", notesLink \""
         << item.releaseNotesLink << "\", minimumSystem \"" << item.minimumSystemVersion << "\", date \""
         << item.publicationDate << "\", url \"" << item.enclosure.url << "\", length "
         << item.enclosure.length << ", signature \"" << item.enclosure.edSignature << "\", type \""
         << item.enclosure.type << "\"}";
}

namespace {

constexpr const char* kSignature
    = "BfcDQQeKz2oG1CPSFyD5ZD1flTYm2IoCY23DqeeVgq6wyCCFf9P43FAqqDYNLI+pephf2ltim4CcrRj/ti04mQ==";
constexpr const char* kOtherSignature
    = "ko1Q0eJNq3zKYs/oT83Pn8aVFgonj5G1wK8itwnYL4qjtJVbPem6bQoOt9ky3GTE1cY/wt6HRBrS5bkp+bZ8Xg==";
constexpr const char* kUrl = "https://downloads.quillon.example.org/quillon-2.0.tar.xz";

std::string feed(
    const std::string& items, const std::string& prologue = R"(<?xml version="1.0" encoding="utf-8"?>)")
{
    return prologue + R"(
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
  <channel>
    <title>Quillon</title>
    <link>https://quillon.example.org/appcast.xml</link>
)" + items
        + R"(
  </channel>
</rss>
)";
}

// An enclosure's attributes; a null one is left out.
struct Enclosure {
    const char* url = kUrl;
    const char* length = "6291456";
    const char* signature = kSignature;
    const char* os = nullptr;
};

std::string item(
    const std::string& version, const Enclosure& enclosure = {}, const std::string& title = "Quillon")
{
    std::string attributes;
    const auto add = [&](const char* name, const char* value) {
        if (value)
            attributes += std::string(" ") + name + "=\"" + value + "\"";
    };
    add("url", enclosure.url);
    add("length", enclosure.length);
    add("sparkle:edSignature", enclosure.signature);
    add("sparkle:os", enclosure.os);
    return "<item><title>" + title + "</title><sparkle:version>" + version + "</sparkle:version><enclosure"
        + attributes + " type=\"application/x-xz\"/></item>\n";
}

AppcastItem expectedItem(
    const std::string& version, const std::string& url = kUrl, std::uint64_t length = 6291456)
{
    AppcastItem expected;
    expected.title = "Quillon";
    expected.version = version;
    expected.enclosure = {url, length, kSignature, "application/x-xz", ""};
    return expected;
}

TEST(Appcast, ReadsEveryFieldOfEachItemWhateverPrefixNamesTheNamespace)
{
    // The first item gives its versions as elements (which win over the enclosure's attribute) and its
    // notes as CDATA; the second as enclosure attributes under another prefix, with escaped notes.
    const std::string text = feed(R"(
    <item>
      <title>Quillon 2.1</title>
      <pubDate>Sat, 06 Dec 2025 10:00:00 +0000</pubDate>
      <sparkle:version>2100</sparkle:version>
      <sparkle:shortVersionString>
        2.1
      </sparkle:shortVersionString>
      <sparkle:minimumSystemVersion>6.1</sparkle:minimumSystemVersion>
      <sparkle:releaseNotesLink>https://quillon.example.org/notes/2.1.html</sparkle:releaseNotesLink>
      <description><![CDATA[<h2>Quillon 2.1</h2><p>Boards &amp; more</p>]]></description>
      <other:version xmlns:other="http://example.org/not-the-updater">9999</other:version>
      <enclosure url="https://downloads.quillon.example.org/quillon-2.1.tar.xz" length="7340032"
                 type="application/x-xz" sparkle:version="1" sparkle:edSignature=")"
        + std::string(kOtherSignature) + R"("/>
    </item>
    <item xmlns:su="http://www.andymatuschak.org/xml-namespaces/sparkle">
      <title>Quillon 2.0 &#8212; first</title>
      <pubDate>Mon, 01 Sep 2025 09:30:00 +0200</pubDate>
      <description>&lt;p&gt;First release&lt;/p&gt;</description>
      <enclosure url=")"
        + std::string(kUrl) + R"(" length="6291456" type="application/x-xz"
                 su:version="2000" su:shortVersionString="2.0" su:edSignature=")"
        + std::string(kSignature) + R"("/>
    </item>)");

    AppcastItem newer;
    newer.title = "Quillon 2.1";
    newer.version = "2100";
    newer.shortVersion = "2.1";
    newer.releaseNotes = "<h2>Quillon 2.1</h2><p>Boards &amp; more</p>";
    newer.releaseNotesLink = "https://quillon.example.org/notes/2.1.html";
    newer.minimumSystemVersion = "6.1";
    newer.publicationDate = "Sat, 06 Dec 2025 10:00:00 +0000";
    newer.enclosure = {"https://downloads.quillon.example.org/quillon-2.1.tar.xz", 7340032, kOtherSignature,
        "application/x-xz", ""};
    AppcastItem older;
    older.title = "Quillon 2.0 \u2014 first";
    older.version = "2000";
    older.shortVersion = "2.0";
    older.releaseNotes = "<p>First release</p>";
    older.publicationDate = "Mon, 01 Sep 2025 09:30:00 +0200";
    older.enclosure = {kUrl, 6291456, kSignature, "application/x-xz", ""};

    EXPECT_EQ(parseAppcast(text), (std::vector<AppcastItem> {newer, older}));
}

TEST(Appcast, AChannelWithoutItemsIsAFeedWithNoUpdates)
{
    EXPECT_EQ(parseAppcast(feed("")), std::vector<AppcastItem>());
    // An item only counts inside the channel.
    EXPECT_EQ(
        parseAppcast(R"(<rss xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel/>)"
            + item("2.0") + "</rss>"),
        std::vector<AppcastItem>());
}

TEST(Appcast, TextThatIsNotAWellFormedRssDocumentIsNoFeed)
{
    const std::string good = feed(item("2.0"));
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"cut off after the items", good.substr(0, good.rfind("</rss>"))},
        {"a second root", good + "<rss/>"},
        {"an undeclared prefix", "<rss><channel>" + item("2.0") + "</channel></rss>"},
        {"bytes that are not UTF-8", feed(item("2.0", {}, "Quillon \xFF\xFE"))},
        {"an Atom feed",
            R"(<feed xmlns="http://www.w3.org/2005/Atom"><entry><title>2.0</title></entry></feed>)"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(parseAppcast(text), std::nullopt);
    }
}

TEST(Appcast, AFeedLargerThanTheLimitIsNotRead)
{
    std::string text = feed(item("2.0"));
    text.insert(text.find("</channel>"), std::string(kMaxAppcastBytes - text.size(), ' '));
    ASSERT_EQ(text.size(), kMaxAppcastBytes);
    EXPECT_EQ(parseAppcast(text), std::vector<AppcastItem> {expectedItem("2.0")});

    text.insert(text.find("</channel>"), " ");
    EXPECT_EQ(parseAppcast(text), std::nullopt);
}

TEST(Appcast, DocumentsThatDeclareOrReferToEntitiesAreRefused)
{
    const std::string laughs = R"(<?xml version="1.0"?>
<!DOCTYPE rss [
  <!ENTITY lol "lol">
  <!ENTITY lol1 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">
  <!ENTITY lol2 "&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;">
  <!ENTITY lol3 "&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;">
  <!ENTITY lol4 "&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;">
  <!ENTITY lol5 "&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;">
  <!ENTITY lol6 "&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;">
  <!ENTITY lol7 "&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;">
  <!ENTITY lol8 "&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;">
  <!ENTITY lol9 "&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;">
]>)";
    const std::pair<const char*, std::string> cases[] = {
        {"nested expansion", feed(item("2.0", {}, "&lol9;"), laughs)},
        {"a harmless-looking entity", feed(item("&v;"), R"(<!DOCTYPE rss [<!ENTITY v "2.0">]>)")},
        {"an external entity",
            feed(item("2.0", {}, "&xxe;"), R"(<!DOCTYPE rss [<!ENTITY xxe SYSTEM "file:///etc/passwd">]>)")},
        {"an external parameter entity",
            feed(item("2.0"), R"(<!DOCTYPE rss [<!ENTITY % xxe SYSTEM "file:///etc/passwd"> %xxe;]>)")},
        {"an entity from an external subset that is never read",
            feed(item("2.0", {}, "&xxe;"), R"(<!DOCTYPE rss SYSTEM "file:///etc/passwd">)")},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(parseAppcast(text), std::nullopt);
    }

    // A document type that declares nothing does no harm; old RSS feeds carry one.
    const std::string netscape
        = R"(<!DOCTYPE rss PUBLIC "-//Netscape Communications//DTD RSS 0.91//EN" "http://my.netscape.com/publish/formats/rss-0.91.dtd">)";
    EXPECT_EQ(parseAppcast(feed(item("2.0"), netscape)), std::vector<AppcastItem> {expectedItem("2.0")});
}

TEST(Appcast, ItemsThatCannotBeInstalledAreSkippedAndTheOthersKept)
{
    const std::pair<const char*, std::string> cases[] = {
        {"length with a tail", item("3.0", {.length = "12abc"})},
        {"negative length", item("3.0", {.length = "-5"})},
        {"zero length", item("3.0", {.length = "0"})},
        {"length past 64 bits", item("3.0", {.length = "18446744073709551616"})},
        {"no length", item("3.0", {.length = nullptr})},
        {"javascript url", item("3.0", {.url = "javascript:alert(1)"})},
        {"file url", item("3.0", {.url = "file:///etc/passwd"})},
        {"url without a host", item("3.0", {.url = "https:///quillon-3.0.tar.xz"})},
        {"url with a space",
            item("3.0", {.url = "https://downloads.quillon.example.org/quillon 3.0.tar.xz"})},
        {"relative url", item("3.0", {.url = "/quillon-3.0.tar.xz"})},
        {"no signature", item("3.0", {.signature = nullptr})},
        {"signature with foreign characters", item("3.0", {.signature = "BfcD!QeK-z2o_G1C"})},
        {"signature cut short", item("3.0", {.signature = "BfcDQQeKz2oG1CP"})},
        {"signature of padding only", item("3.0", {.signature = "===="})},
        {"signature padded in the middle", item("3.0", {.signature = "Bf=DQQeK"})},
        {"blank version", item("  ")},
        {"no enclosure", "<item><title>Quillon</title><sparkle:version>3.0</sparkle:version></item>"},
        {"title past 64 KiB", item("3.0", {}, std::string(64 * 1024 + 1, 'Q'))},
        {"not an item at all", "<sparkle:version>3.0</sparkle:version>"},
    };
    for (const auto& [name, bad] : cases) {
        SCOPED_TRACE(name);
        // The bad one first, so that reading has to carry on past it.
        EXPECT_EQ(parseAppcast(feed(bad + item("2.0"))), std::vector<AppcastItem> {expectedItem("2.0")});
    }
}

TEST(Appcast, KeepsEnclosuresThatAreUnusualButSound)
{
    struct Case {
        const char* name;
        std::string item;
        AppcastItem expected;
    };
    AppcastItem longTitle = expectedItem("2.0");
    longTitle.title = std::string(64 * 1024, 'Q');
    const Case cases[] = {
        {"scheme in capitals", item("2.0", {.url = "HTTPS://downloads.quillon.example.org/q.tar.xz"}),
            expectedItem("2.0", "HTTPS://downloads.quillon.example.org/q.tar.xz")},
        {"plain http, as the signature vouches for the file",
            item("2.0", {.url = "http://downloads.quillon.example.org/q.tar.xz"}),
            expectedItem("2.0", "http://downloads.quillon.example.org/q.tar.xz")},
        {"largest length", item("2.0", {.length = "18446744073709551615"}),
            expectedItem("2.0", kUrl, 18446744073709551615u)},
        {"spaces around values",
            item(" 2.0\n", {.url = " https://d.example.org/q.tar.xz ", .length = " 42 "}),
            expectedItem("2.0", "https://d.example.org/q.tar.xz", 42)},
        {"title of exactly 64 KiB", item("2.0", {}, longTitle.title), longTitle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseAppcast(feed(c.item)), std::vector<AppcastItem> {c.expected});
    }
}

TEST(Appcast, KeepsAtMostAThousandItems)
{
    std::string items;
    for (int build = 1; build <= 1001; ++build)
        items += item(std::to_string(build), {.url = "https://d.example.org/q", .length = "1"});
    const auto parsed = parseAppcast(feed(items));
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 1000u);
    EXPECT_EQ(parsed->back().version, "1000");
}

TEST(NewestApplicableUpdate, PicksTheHighestNewerVersionThisSystemRunsUnlessTheUserSkippedItOrANewerOne)
{
    const auto withMinimum = [](const char* version, const char* minimumSystem) {
        AppcastItem result = expectedItem(version);
        result.minimumSystemVersion = minimumSystem;
        return result;
    };
    // Not in order, as feeds are not always.
    const std::vector<AppcastItem> items {withMinimum("2.9", ""), withMinimum("2.10", "6.8"),
        withMinimum("2.0", ""), withMinimum("3.0", "7.0"), withMinimum("1.5", "")};
    struct Case {
        const char* current;
        const char* system;
        const char* skipped;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"2.0", "6.8", "", "2.10"}, // 2.10 is newer than 2.9; 3.0 needs a newer system
        {"2.0", "6.1", "", "2.9"}, // 2.10 needs 6.8
        {"2.0", "6.8", "2.10", std::nullopt}, // the newest skipped: no older one comes instead
        {"2.0", "6.8", "2.010", std::nullopt}, // the same version, however written
        {"2.0", "6.1", "2.10", std::nullopt}, // skipped a newer one than this system runs
        {"2.0", "6.8", "2.9", "2.10"}, // a release newer than the skipped one is offered
        {"2.9", "6.1", "", std::nullopt}, // the same is not newer, and the newer ones do not run here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.current) + " on " + c.system + ", skipped " + c.skipped);
        const auto update = newestApplicableUpdate(items, c.current, {c.system, "x86_64"}, c.skipped);
        EXPECT_EQ(update ? std::optional(update->version) : std::nullopt, c.expected);
    }
    EXPECT_EQ(newestApplicableUpdate({}, "1.0", {"6.1", "x86_64"}, ""), std::nullopt);
}

// A feed may list releases for other systems and processors beside ours: only ours are offered,
// however the feed names the processor.
TEST(NewestApplicableUpdate, OffersOnlyReleasesForThisSystemAndProcessor)
{
    const struct {
        const char* os;
        const char* machine;
        bool offered;
    } rows[] = {
        {"", "x86_64", true},
        {"linux", "aarch64", true},
        {"Linux", "x86_64", true},
        {"linux-x86_64", "x86_64", true},
        {"linux-amd64", "x86_64", true},
        {"linux-arm64", "aarch64", true},
        {"linux-aarch64", "x86_64", false},
        {"linux-x86_64", "aarch64", false},
        {"linux-i686", "x86_64", false},
        {"windows", "x86_64", false},
        {"windows-x64", "x86_64", false},
        {"macos", "aarch64", false},
        {"linuxish", "x86_64", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.os) + " on " + row.machine);
        AppcastItem candidate = expectedItem("2.0");
        candidate.enclosure.os = row.os;
        const auto update = newestApplicableUpdate({candidate}, "1.0", {"6.1", row.machine}, "");
        EXPECT_EQ(update.has_value(), row.offered);
    }
    // The feed's attribute is what is judged.
    const auto parsed = parseAppcast(feed(item("2.0", {.os = "linux-aarch64"}) + item("1.9")));
    ASSERT_TRUE(parsed && parsed->size() == 2);
    const auto update = newestApplicableUpdate(*parsed, "1.0", {"6.1", "x86_64"}, "");
    ASSERT_TRUE(update);
    EXPECT_EQ(update->version, "1.9");
}

} // namespace
} // namespace quillon
