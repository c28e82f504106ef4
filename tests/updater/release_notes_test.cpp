// Cutting a feed's release notes down to safe HTML, from honest notes to hostile and broken markup.
#include "updater/release_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {
namespace {

constexpr std::size_t kMaxDepth = 32;

struct Case {
    const char* name;
    std::string html;
    std::string expected;
};

void expectFiltered(std::span<const Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(safeReleaseNotesHtml(c.html), c.expected);
    }
}

std::string repeated(std::string_view unit, std::size_t count)
{
    std::string text;
    text.reserve(unit.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        text += unit;
    return text;
}

std::size_t occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// How many bytes a character starting with `lead` takes, or 0 when no character starts with it.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC0)
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF8 ? 4 : 0;
}

bool isWellFormedUtf8(std::string_view text)
{
    constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || at + length > text.size())
            return false;
        char32_t codePoint = length == 1 ? char32_t {lead} : static_cast<char32_t>(lead & (0x7F >> length));
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | static_cast<char32_t>(next & 0x3F);
        }
        if (codePoint < kSmallestOfLength[length] || codePoint > 0x10FFFF
            || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        at += length;
    }
    return true;
}

// What makes `html` unfit to give a viewer as notes, or nothing. Every '<' must start a bare tag of
// an element the notes may use, the elements well nested, no deeper than the limit and all closed;
// '>', '&' and '"' may appear only in those tags or as the four escapes; the text must be UTF-8.
std::string problemWith(std::string_view html)
{
    constexpr std::array<std::string_view, 16> kAllowed = {"p", "br", "ul", "ol", "li", "b", "strong", "i",
        "em", "code", "pre", "h1", "h2", "h3", "h4", "blockquote"};
    constexpr std::array<std::string_view, 4> kEscapes = {"&amp;", "&lt;", "&gt;", "&quot;"};
    if (!isWellFormedUtf8(html))
        return "not UTF-8";
    std::vector<std::string_view> open;
    std::size_t at = 0;
    while (at < html.size()) {
        const std::string_view rest = html.substr(at);
        if (rest[0] == '<') {
            const std::size_t end = rest.find('>');
            if (end == std::string_view::npos)
                return "a '<' that ends no tag: " + std::string(rest.substr(0, 20));
            const bool closing = rest.starts_with("</");
            const std::string_view name = rest.substr(closing ? 2 : 1, end - (closing ? 2 : 1));
            if (std::find(kAllowed.begin(), kAllowed.end(), name) == kAllowed.end())
                return "the tag " + std::string(rest.substr(0, end + 1));
            if (closing && (open.empty() || open.back() != name))
                return "an end tag that closes nothing open: " + std::string(name);
            if (closing)
                open.pop_back();
            else if (name != "br")
                open.push_back(name);
            if (open.size() > kMaxDepth)
                return "elements nested deeper than " + std::to_string(kMaxDepth);
            at += end + 1;
        } else if (rest[0] == '&') {
            const auto escape = std::find_if(kEscapes.begin(), kEscapes.end(),
                [&](std::string_view candidate) { return rest.starts_with(candidate); });
            if (escape == kEscapes.end())
                return "a bare '&': " + std::string(rest.substr(0, 20));
            at += escape->size();
        } else if (rest[0] == '>' || rest[0] == '"') {
            return "a bare '" + std::string(1, rest[0]) + "' at " + std::to_string(at);
        } else {
            ++at;
        }
    }
    if (!open.empty())
        return "left open: " + std::string(open.back());
    return {};
}

// Safe, and already as simple as it gets: filtering it again changes nothing.
void expectSafe(const std::string& html)
{
    const std::string safe = safeReleaseNotesHtml(html);
    EXPECT_EQ(problemWith(safe), "") << safe;
    EXPECT_EQ(safeReleaseNotesHtml(safe), safe);
}

TEST(ReleaseNotes, ProblemCheckerCatchesWhatCouldReachTheViewer)
{
    // The checker is what the safety tests below rest on, so it has to see each kind of leak.
    const std::pair<const char*, const char*> unsafe[] = {
        {"an element the notes may not use", "<img src=x>"},
        {"an attribute", "<p style=\"color:red\">x</p>"},
        {"a tag left open at the end", "<b>x"},
        {"an end tag out of order", "<b><i>x</b></i>"},
        {"an end tag for nothing", "x</p>"},
        {"a '<' that is text", "a < b"},
        {"a '>' that is text", "a > b"},
        {"a quote", "say \"hi\""},
        {"a reference the viewer would decode", "&#60;img&#62;"},
        {"a bare ampersand", "AT&T"},
        {"bytes that are not UTF-8", "\xFC\x80\x80\x80"},
        {"a surrogate", "\xED\xA0\x80"},
    };
    for (const auto& [name, html] : unsafe) {
        SCOPED_TRACE(name);
        EXPECT_NE(problemWith(html), "");
    }
    EXPECT_EQ(
        problemWith("<h3>2.1</h3><ul><li><b>Faster</b> &amp; &lt;calmer&gt; &quot;flips&quot;</li></ul>"),
        "");
}

TEST(ReleaseNotes, KeepsSimpleFormattingAndDropsEveryAttribute)
{
    const Case cases[] = {
        {"inline formatting",
            "<p>Faster <b>boards</b>, <strong>sharper</strong> <i>dots</i>, <em>calmer</em> flips; see "
            "<code>--zone</code>.</p>",
            "<p>Faster <b>boards</b>, <strong>sharper</strong> <i>dots</i>, <em>calmer</em> flips; see "
            "<code>--zone</code>.</p>"},
        {"lists", "<ul><li>One</li><li>Two</li></ul><ol><li>First</li></ol>",
            "<ul><li>One</li><li>Two</li></ul><ol><li>First</li></ol>"},
        {"quotes and preformatted text", "<blockquote>Quoted</blockquote><pre>two\n  lines</pre>",
            "<blockquote>Quoted</blockquote><pre>two\n  lines</pre>"},
        {"line breaks however written", "Line<br>next<br/>then<BR >last", "Line<br>next<br>then<br>last"},
        {"tag names in capitals", "<P><B>Bold</B></P>", "<p><b>Bold</b></p>"},
        {"style, class and handlers", "<P CLASS=\"note\" Style=\"color:red\" OnClick=\"run()\">Text</P>",
            "<p>Text</p>"},
        {"a red paragraph", "<p style=\"color:red\">URGENT</p>", "<p>URGENT</p>"},
        {"values holding '>'", "<b id=x title='a > b' data-v=\"1>2\" onmouseover=alert(1)>bold</b>",
            "<b>bold</b>"},
        {"a value without quotes", "<li value=3 onclick=go()>item</li>", "<li>item</li>"},
        {"spaces before '>'", "<code   >x</code  >", "<code>x</code>"},
        {"attributes on an end tag", "<p>a</p foo=\"bar>\">b", "<p>a</p>b"},
        {"a self-closing slash on a paragraph", "<p/>text", "<p>text</p>"},
        {"attributes on separate lines", "<p\n  class=\"x\"\n  style='y'\n>text</p>", "<p>text</p>"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, HeadingsComeOutInTwoModestSizes)
{
    const Case cases[] = {
        {"h1", "<h1>A</h1>", "<h3>A</h3>"},
        {"h2", "<h2>A</h2>", "<h3>A</h3>"},
        {"h3", "<h3>A</h3>", "<h3>A</h3>"},
        {"h4", "<h4>A</h4>", "<h4>A</h4>"},
        {"h5", "<h5>A</h5>", "<h4>A</h4>"},
        {"h6", "<H6>A</H6>", "<h4>A</h4>"},
        {"a huge red one", "<h1 style=\"color:red;font-size:200px\" class=big>Big</h1>", "<h3>Big</h3>"},
        {"ended by another level", "<h2>Title</h4>after", "<h3>Title</h3>after"},
        {"one left open before the next", "<h2>One<h4>Two", "<h3>One</h3><h4>Two</h4>"},
        {"in a paragraph", "<p>Text<h2>Title</h2>", "<p>Text</p><h3>Title</h3>"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, DropsWhatCouldLoadOrRunAndKeepsOnlyTheTextOfOtherElements)
{
    const Case cases[] = {
        {"an image of an endless device", "<img src=/dev/zero>", ""},
        {"an image between words", "Before<img src=\"/dev/zero\" alt=\"a picture\">after", "Beforeafter"},
        {"a style sheet", "<link rel=stylesheet href=\"https://evil.example.org/x.css\">Notes", "Notes"},
        {"a style element", "<style>p { color: red; font-size: 80px }</style><p>Notes</p>", "<p>Notes</p>"},
        {"a link to a local file", "<a href=\"file:///etc/passwd\">x</a>", "x"},
        {"a script holding markup", "<script>alert(\"<b>hi</b>\")</script>Text", "Text"},
        {"a script that never ends", "Text<script>alert(1)", "Text"},
        {"a frame", "<iframe src=\"file:///etc/passwd\"><p>inside</p></iframe>Text", "Text"},
        {"an object", "<object data=x.swf><param name=a value=b>Fallback</object>Text", "Text"},
        {"a picture in SVG", "<svg onload=\"alert(1)\"><image href=\"/dev/zero\"/><text>Hi</text></svg>Text",
            "Text"},
        {"a self-closed SVG", "<svg/>Text", "Text"},
        {"a formula", "<math><mi>x</mi></math>Text", "Text"},
        {"a template", "<template><img src=x>Hidden</template>Text", "Text"},
        {"a text area", "<textarea><p>Typed</p></textarea>Text", "Text"},
        {"a fallback for no scripts", "<noscript><p>Enable scripts</p></noscript>Text", "Text"},
        {"a whole document",
            "<!DOCTYPE html><html><head><title>Notes</title><meta charset=\"utf-8\"><base href=\"file:///\">"
            "</head><body><p>Text</p></body></html>",
            "<p>Text</p>"},
        {"a refresh", "<meta http-equiv=\"refresh\" content=\"0;url=file:///etc/passwd\">Text", "Text"},
        {"form fields", "<embed src=x><input value=\"typed\"><form action=x>Sign <button>up</button></form>",
            "Sign up"},
        {"spans and fonts", "<span style=\"font-size:90px\">Big</span> <font color=red>red</font>",
            "Big red"},
        {"a video", "<video src=x><source src=y>Your player cannot</video>Text", "Text"},
        {"one dropped element in another", "<object><svg></svg>Hidden</object>Text", "Text"},
        {"a stray end tag of another dropped element", "<object></svg>Hidden</object>Text", "Text"},
        {"a style element's end tag in capitals", "<style>b{}</STYLE >Text", "Text"},
        {"an end tag that only starts like the script's", "<script>x</scripty>y</script>Text", "Text"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, BlocksThatAreNotKeptStillSetTheirTextOnALineOfItsOwn)
{
    const Case cases[] = {
        {"two divisions", "<div>One</div><div>Two</div>", "One<br>Two"},
        {"a division around kept blocks", "<div><h2>2.1</h2><ul><li>Fix</li></ul></div>",
            "<h3>2.1</h3><ul><li>Fix</li></ul>"},
        {"text before a division", "Intro<div>More</div>", "Intro<br>More"},
        {"a division in a paragraph", "<p>Start<div>Block</div>End</p>", "<p>Start</p>Block<br>End"},
        {"nested divisions with spaces", "<div>\n  <div>Nested</div>\n</div>", "\n  Nested\n"},
        {"a rule", "One<hr>Two", "One<br>Two"},
        {"a definition list", "<dl><dt>Term</dt><dd>Meaning</dd></dl>", "Term<br>Meaning"},
        {"divisions in a list item", "<li><div>a</div><div><b>b</b></div></li>", "<li>a<br><b>b</b></li>"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, CommentsDeclarationsAndProcessingInstructionsLeaveNoTrace)
{
    const Case cases[] = {
        {"a comment", "<!-- hidden <img src=x> --><p>Shown</p>", "<p>Shown</p>"},
        {"a document type", "<!DOCTYPE html><p>Shown</p>", "<p>Shown</p>"},
        {"a processing instruction", "<?xml version=\"1.0\"?>Shown", "Shown"},
        {"a CDATA section", "<![CDATA[<img src=x>]]>Shown", "Shown"},
        {"the shortest comment", "<!-->Shown", "Shown"},
        {"the next shortest", "<!--->Shown", "Shown"},
        {"a comment ended by --!>", "<!-- a -- b --!>Shown", "Shown"},
        {"a comment with a '>' inside", "Shown<!-- -- > still hidden -->", "Shown"},
        {"a comment that never ends", "Shown<!-- <p>never closed", "Shown"},
        {"an end tag with a space", "</ p>Shown", "Shown"},
        {"an empty end tag", "</>Shown", "Shown"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, DecodesCharacterReferencesOnceAndEscapesWhatTheyStandFor)
{
    const Case cases[] = {
        {"an ampersand", "Boards &amp; flips", "Boards &amp; flips"},
        {"named markup", "&lt;b&gt;", "&lt;b&gt;"},
        {"numeric markup", "&#60;script&#62;&#x3c;&#X3E;", "&lt;script&gt;&lt;&gt;"},
        {"quotes", "&quot;&apos;", "&quot;'"},
        {"a reference to a reference", "&amp;lt;", "&amp;lt;"},
        {"typography", "&nbsp;&copy;&hellip;&mdash;&ndash;&lsquo;&rsquo;&ldquo;&rdquo;",
            "\u00A0\u00A9\u2026\u2014\u2013\u2018\u2019\u201C\u201D"},
        {"beyond the basic plane", "&#x1F600;&#128512;", "\U0001F600\U0001F600"},
        {"letters", "&#65;&#x42;&#X43;", "ABC"},
        {"NUL", "&#0;", "\uFFFD"},
        {"surrogates", "&#xD800;&#xDFFF;&#55296;", "\uFFFD\uFFFD\uFFFD"},
        {"past Unicode", "&#x110000;", "\uFFFD"},
        {"numbers that would wrap around to a letter", "&#4294967361;&#x100000041;", "\uFFFD\uFFFD"},
        {"a number of any length", "&#99999999999999999999999999;&#x0000000041;", "\uFFFDA"},
        {"an unknown name", "&bogus;", "&amp;bogus;"},
        {"a name without its semicolon", "&amp &copy=1", "&amp;amp &amp;copy=1"},
        {"a name in the wrong case", "&AMP;", "&amp;AMP;"},
        {"a lone ampersand", "AT&T & more &", "AT&amp;T &amp; more &amp;"},
        {"numbers without digits", "&#; &#x; &#xg;", "&amp;#; &amp;#x; &amp;#xg;"},
        {"numbers without their semicolon", "&#65 &#12a;", "&amp;#65 &amp;#12a;"},
        {"an empty name", "&;", "&amp;;"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, PlainTextComesOutAsTheSameTextEscaped)
{
    const Case cases[] = {
        {"empty", "", ""},
        {"lines", "Fixed a crash on start-up.\nBoards flip faster.\n",
            "Fixed a crash on start-up.\nBoards flip faster.\n"},
        {"characters that mean markup", "a < b > c \"quoted\" & 'single'",
            "a &lt; b &gt; c &quot;quoted&quot; &amp; 'single'"},
        {"a heart", "I <3 Quillon", "I &lt;3 Quillon"},
        {"arrows", "<- back, forward ->", "&lt;- back, forward -&gt;"},
        {"a '<' at the end", "x <", "x &lt;"},
        {"a '</' at the end", "x </", "x &lt;/"},
        {"other scripts", "\u00DCn\u00EFc\u00F6d\u00E9 \u65E5\u672C\u8A9E \U0001F642",
            "\u00DCn\u00EFc\u00F6d\u00E9 \u65E5\u672C\u8A9E \U0001F642"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, RepairsNestingAndClosesWhatIsLeftOpen)
{
    const Case cases[] = {
        {"crossed inline elements", "<b>x<i>y</b>z</i>", "<b>x<i>y</i></b>z"},
        {"items left open", "<ul><li>a<li>b</ul>after", "<ul><li>a</li><li>b</li></ul>after"},
        {"stray end tags", "</b>stray</p></li></ul>", "stray"},
        {"everything left open", "<ul><li><b>x", "<ul><li><b>x</b></li></ul>"},
        {"a list in an item", "<ul><li>a<ul><li>b</li></ul>c</li></ul>",
            "<ul><li>a<ul><li>b</li></ul>c</li></ul>"},
        {"an item in an item, left open", "<ol><li>a<ol><li>b</ol></ol>",
            "<ol><li>a<ol><li>b</li></ol></li></ol>"},
        {"an item ending bold text", "<li><b>x</li>y", "<li><b>x</b></li>y"},
        {"a stray inline end tag in an item", "<ul><li>x</b>y</li></ul>", "<ul><li>xy</li></ul>"},
        {"an inline end tag outside the item", "<b><ul><li>x</b>y</li></ul>z</b>",
            "<b><ul><li>xy</li></ul>z</b>"},
        {"paragraphs left open", "<p>a<p>b", "<p>a</p><p>b</p>"},
        {"an item in a paragraph", "<p>Fixes:<li>one", "<p>Fixes:</p><li>one</li>"},
        {"a list in a paragraph", "<p>a<ul><li>b</li></ul>c</p>", "<p>a</p><ul><li>b</li></ul>c"},
        {"a tag that never ends", "Text<img src=\"x", "Text"},
        {"a tag broken off in a value", "Text<p class=\"open>more", "Text"},
        {"a tag name broken off", "Text<b", "Text"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, MalformedOrHostileMarkupNeverLetsATagThrough)
{
    const std::string cases[] = {
        "<img src=/dev/zero",
        "<<img src=x>>",
        "<scr<script>ipt>alert(1)</script>",
        "<p title=\"a>b\"><img src=x></p>",
        "<a href='x>y' onclick=1>z</a>",
        "</p foo=\"<img src=x>\">",
        "<b/onmouseover=alert(1)>x</b>",
        "<svg><p><style><img src=x></style></svg>",
        "<script>document.write(\"<img src=x>\")</script>",
        "<script>var s = \"</SCRIPT>\";</script><img src=x>",
        "<<<>>>",
        "<!--<img src=x>-->",
        "<!-- a -- b --><img src=x>",
        "<![CDATA[<img src=x>]]>",
        "<?php echo \"<img src=x>\" ?>",
        "< img src=x>",
        std::string("<\0img src=x>", 12),
        "<\xFFimg src=x>",
        "\"><img src=x>",
        "'><img src=x>",
        "&lt;img src=x&gt;",
        "&#60;img src=x&#62;",
        "&amp;lt;img src=x&amp;gt;",
        "<p a=\"'\" b='\"'>x</p>",
        "<p a=b=c>x</p>",
        "<p =x>y</p>",
        "<p a= >x</p>",
        "<title><img src=x></title>",
        "<textarea></textarea><img src=x>",
        "<noscript><p title=\"</noscript><img src=x>\">",
        "<math><mtext><table><mglyph><style><img src=x>",
        "<table><td><img src=x></td></table>",
        "<xmp><img src=x></xmp>",
        "<a href=\"javascript:alert(1)\">x</a>",
        "<p style=\"background:url(file:///dev/zero)\">x</p>",
        "<b><i><u><s><p><li><ul></b></i>",
        "<br></br></br>",
        "<h1><h2><h3><h4><h5><h6>x",
        "<div><p><div><p>x</div></p></div>",
        "&#x3C;&#X3c;&#0060;&LT;&lt",
        "x</script>y</style>z</svg>",
        "<svg/><img src=x>",
        "<svg / ><p>x",
        "\xC3<\xA9p>",
        "<!DOCTYPE html [<!ENTITY x \"<img src=x>\">]>&x;",
    };
    for (const std::string& html : cases) {
        SCOPED_TRACE(html);
        expectSafe(html);
    }
}

TEST(ReleaseNotes, GeneratedMarkupAlwaysComesOutSafeAndUnchangedWhenFilteredAgain)
{
    // Pieces that mean something to a tokenizer, thrown together: the cases nobody thought to write.
    const std::string_view pieces[] = {"<", ">", "</", "/>", "/", "<!--", "-->", "--!>", "<!", "<?",
        "<![CDATA[", "]]>", "\"", "'", "=", " ", "\n", "&", "#", "x", "3c", ";", "&amp;", "&lt;", "&#60;",
        "&#x3c;", "p", "b", "li", "ul", "img", "script", "style", "svg", "div", "h1", "h4", "pre", "br",
        "src", "on", "a", "\xFF", "\xC3", "\xE9", "text"};
    std::mt19937 random(20251206);
    std::uniform_int_distribution<std::size_t> pieceIndex(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (int round = 0; round < 5000; ++round) {
        std::string html;
        for (int count = length(random); count > 0; --count)
            html += pieces[pieceIndex(random)];
        SCOPED_TRACE(html);
        expectSafe(html);
        if (HasFailure())
            break;
    }
}

TEST(ReleaseNotes, HostileNotesOfTheLargestSizeStaySafe)
{
    // Each fills the limit with one unit; taken one by one they are quick, and a filter that looked
    // back or started over would take minutes on them.
    const std::string_view units[] = {"<", "<p>", "<b>", "</b>", "<li>", "<div>", "<svg>", "<script>",
        "</script", "<!--", "<!-- --", "<!", "</", "<a ", "<a x='", "<a x=\"'>", "&#", "&#x1", "&amp", "&",
        "\xFF", "\xF0\x9F", "<<<<>>>>", "\"", "<h1>x", "<ul><li>"};
    for (std::string_view unit : units) {
        SCOPED_TRACE(std::string(unit));
        const std::string html = repeated(unit, kMaxReleaseNotesBytes / unit.size() + 1);
        const std::string safe = safeReleaseNotesHtml(html);
        EXPECT_EQ(problemWith(safe), "");
        // No unit can grow by more than a quote does into "&quot;".
        EXPECT_LE(safe.size(), 6 * kMaxReleaseNotesBytes + 1024);
    }
}

TEST(ReleaseNotes, NotesPastTheLimitAreCutOnACharacterBoundaryWithAnEllipsis)
{
    const std::size_t limit = kMaxReleaseNotesBytes;
    const std::string a(limit, 'a');
    const Case cases[] = {
        {"exactly at the limit", a, a},
        {"one byte over", a + "b", a + "\u2026"},
        {"far over, with markup past the limit", a + "<script>" + std::string(limit, 'x'), a + "\u2026"},
        {"a two-byte character across the limit", a.substr(1) + "\u00E9", a.substr(1) + "\u2026"},
        {"a four-byte character across the limit", a.substr(2) + "\U0001F600", a.substr(2) + "\u2026"},
        {"a three-byte character ending at the limit", a.substr(3) + "\u20AC!", a.substr(3) + "\u20AC\u2026"},
        {"inside a paragraph", "<p>" + a, "<p>" + a.substr(3) + "\u2026</p>"},
        {"inside a tag", a.substr(5) + "<img src=\"/dev/zero\">", a.substr(5) + "\u2026"},
        {"quotes that grow when escaped", std::string(limit + 1, '"'), repeated("&quot;", limit) + "\u2026"},
    };
    expectFiltered(cases);
}

TEST(ReleaseNotes, NestingDeeperThanTheLimitKeepsTheTextButNotTheElements)
{
    const std::string bold
        = safeReleaseNotesHtml(repeated("<b>", 5000) + "deep" + repeated("</b>", 5000) + "after");
    EXPECT_EQ(problemWith(bold), "");
    EXPECT_EQ(bold, repeated("<b>", kMaxDepth) + "deep" + repeated("</b>", kMaxDepth) + "after");

    const std::string quotes = safeReleaseNotesHtml(repeated("<blockquote>", 1000) + "<i>x</i>");
    EXPECT_EQ(problemWith(quotes), "");
    EXPECT_EQ(occurrences(quotes, "<blockquote>"), kMaxDepth);
    EXPECT_EQ(occurrences(quotes, "<i>"), 0u);
    EXPECT_NE(quotes.find(">x<"), std::string::npos);

    // Items past the limit cannot open a list of their own, so they go in the deepest one there is.
    const std::string lists = safeReleaseNotesHtml(repeated("<ul><li>", 1000) + "item");
    EXPECT_EQ(problemWith(lists), "");
    EXPECT_EQ(occurrences(lists, "<ul>"), kMaxDepth / 2);
    EXPECT_NE(lists.find("<li>item</li>"), std::string::npos);
}

TEST(ReleaseNotes, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    const Case cases[] = {
        {"a byte that starts nothing", "\xFF", "\uFFFD"},
        {"a character broken off at the end", "a\xC3", "a\uFFFD"},
        {"a character broken off by ASCII", "\xC3(", "\uFFFD("},
        {"continuation bytes alone", "\x80\xBF", "\uFFFD\uFFFD"},
        {"an overlong slash", "\xC0\xAF", "\uFFFD\uFFFD"},
        {"an overlong three-byte form", "\xE0\x80\xAF", "\uFFFD\uFFFD\uFFFD"},
        {"a surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"three bytes of four", "\xF0\x9F\x98!", "\uFFFD!"},
        {"NUL", std::string("a\0b", 3), "a\uFFFDb"},
        {"in a paragraph", "<p>\xFE</p>", "<p>\uFFFD</p>"},
        {"where a tag name would start", "<\xFFimg src=x>", "&lt;\uFFFDimg src=x&gt;"},
        {"well-formed next to broken", "\u00E9\xE9\u00E9", "\u00E9\uFFFD\u00E9"},
    };
    expectFiltered(cases);
}

} // namespace
} // namespace quillon
