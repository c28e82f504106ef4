// Release notes cut down to safe HTML by a tokenizer that ends tags, quoted values and comments
// where browsers do, so that the text it keeps is the text the feed's author meant.
#include "updater/release_notes.h"

#include "updater/html_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>
#include <vector>

namespace quillon {
namespace {

// Enough for lists in lists in quotes; deeper elements are left out and their text kept, so nesting
// costs neither time nor stack.
constexpr std::size_t kMaxOpenElements = 32;

constexpr std::string_view kEllipsis = "\u2026";

// What becomes of an element of the feed's notes.
enum class Role {
    inlineFormat, // b, i, code…: kept
    block, // p, ul, pre…: kept, and like any block an end to an open paragraph, as in HTML
    listItem,
    heading,
    lineBreak,
    separator, // div, section, table rows…: dropped, but their text stands on a line of its own
    dropContents, // svg, object, head…: dropped with everything inside
    dropRawText, // script, style…: the same, and what is inside is not markup, so only their end tag ends it
};

struct ElementRule {
    std::string_view name;
    Role role;
    std::string_view written = {}; // what a kept element is written as
};

// Elements not listed lose their tag and keep their text: links and spans give their words, and
// images, style sheet links and form fields, having none, give nothing.
constexpr ElementRule kElementRules[] = {{"p", Role::block, "p"}, {"ul", Role::block, "ul"},
    {"ol", Role::block, "ol"}, {"pre", Role::block, "pre"}, {"blockquote", Role::block, "blockquote"},
    {"li", Role::listItem, "li"}, {"br", Role::lineBreak, "br"}, {"b", Role::inlineFormat, "b"},
    {"strong", Role::inlineFormat, "strong"}, {"i", Role::inlineFormat, "i"},
    {"em", Role::inlineFormat, "em"}, {"code", Role::inlineFormat, "code"},
    // Two modest sizes: a feed gets a title and sections, never a banner. Notes already written at
    // these sizes keep them, so filtering the filtered notes changes nothing.
    {"h1", Role::heading, "h3"}, {"h2", Role::heading, "h3"}, {"h3", Role::heading, "h3"},
    {"h4", Role::heading, "h4"}, {"h5", Role::heading, "h4"}, {"h6", Role::heading, "h4"},
    // Blocks that are not kept; without a break their text would run into the next block's.
    {"div", Role::separator}, {"section", Role::separator}, {"article", Role::separator},
    {"header", Role::separator}, {"footer", Role::separator}, {"main", Role::separator},
    {"aside", Role::separator}, {"nav", Role::separator}, {"figure", Role::separator},
    {"figcaption", Role::separator}, {"address", Role::separator}, {"details", Role::separator},
    {"summary", Role::separator}, {"dl", Role::separator}, {"dt", Role::separator}, {"dd", Role::separator},
    {"table", Role::separator}, {"caption", Role::separator}, {"tr", Role::separator},
    {"hr", Role::separator},
    // Nothing inside is notes: pictures, formulas, players, fallbacks, the head of a whole document.
    {"head", Role::dropContents}, {"template", Role::dropContents}, {"object", Role::dropContents},
    {"applet", Role::dropContents}, {"svg", Role::dropContents}, {"math", Role::dropContents},
    {"audio", Role::dropContents}, {"video", Role::dropContents}, {"canvas", Role::dropContents},
    {"select", Role::dropContents}, {"frameset", Role::dropContents},
    // A '<' inside starts no tag, in browsers as here, so only the element's end tag ends it.
    {"script", Role::dropRawText}, {"style", Role::dropRawText}, {"title", Role::dropRawText},
    {"textarea", Role::dropRawText}, {"iframe", Role::dropRawText}, {"noscript", Role::dropRawText},
    {"noembed", Role::dropRawText}, {"noframes", Role::dropRawText}, {"xmp", Role::dropRawText}};

const ElementRule* ruleFor(std::string_view tagName)
{
    for (const ElementRule& rule : kElementRules) {
        if (equalsIgnoringAsciiCase(tagName, rule.name))
            return &rule;
    }
    return nullptr;
}

// One pass over the notes, each byte looked at a bounded number of times whatever the markup:
// searches only go forward, and one that fails takes the rest of the text with it.
class NotesFilter {
public:
    explicit NotesFilter(std::string_view text)
        : m_in(text)
    {
        m_out.reserve(text.size());
        m_open.reserve(kMaxOpenElements);
    }

    std::string run(bool cut)
    {
        while (m_pos < m_in.size()) {
            if (m_dropping > 0) {
                m_pos = std::min(m_in.find('<', m_pos), m_in.size());
                if (m_pos == m_in.size())
                    break;
            }
            const char c = m_in[m_pos];
            if (c == '<') {
                readMarkup();
            } else if (c == '&') {
                readReference();
            } else {
                if (!isSpace(c))
                    beginContent();
                writeText(c);
                ++m_pos;
            }
        }
        if (cut) {
            beginContent();
            m_out += kEllipsis;
        }
        while (!m_open.empty())
            closeInnermost();
        return std::move(m_out);
    }

private:
    void writeText(char c)
    {
        switch (c) {
        case '<':
            m_out += "&lt;";
            break;
        case '>':
            m_out += "&gt;";
            break;
        case '&':
            m_out += "&amp;";
            break;
        case '"':
            m_out += "&quot;";
            break;
        default:
            m_out += c;
        }
    }

    void readReference()
    {
        beginContent();
        if (const auto reference = characterReference(m_in.substr(m_pos))) {
            if (reference->codePoint < 0x80)
                writeText(static_cast<char>(reference->codePoint));
            else
                appendUtf8(m_out, reference->codePoint);
            m_pos += reference->length;
        } else {
            m_out += "&amp;";
            ++m_pos;
        }
    }

    void readMarkup()
    {
        const std::string_view rest = m_in.substr(m_pos);
        if (rest.starts_with("<!--")) {
            skipComment();
        } else if (rest.starts_with("<![CDATA[")) {
            skipPast("]]>");
        } else if (rest.starts_with("<!") || rest.starts_with("<?")) {
            skipPast(">"); // a document type, a processing instruction or another declaration
        } else if (rest.size() > 2 && rest[1] == '/' && isAsciiLetter(rest[2])) {
            readTag(true);
        } else if (rest.starts_with("</>")) {
            m_pos += 3;
        } else if (rest.size() > 2 && rest[1] == '/') {
            skipPast(">"); // "</ p>" or "</3>" is a comment to browsers
        } else if (rest.size() > 1 && isAsciiLetter(rest[1])) {
            readTag(false);
        } else {
            // Starts nothing: "a < b", "<3", a "</" at the very end.
            if (m_dropping == 0) {
                beginContent();
                writeText('<');
            }
            ++m_pos;
        }
    }

    void skipPast(std::string_view terminator)
    {
        const std::size_t end = m_in.find(terminator, m_pos);
        m_pos = end == std::string_view::npos ? m_in.size() : end + terminator.size();
    }

    // Ends at "-->" or "--!>", and "<!-->" and "<!--->" are whole comments, as browsers read them.
    // One left open takes the rest: browsers hide it too.
    void skipComment()
    {
        const std::size_t body = m_pos + 4;
        const std::string_view afterOpening = m_in.substr(body);
        if (afterOpening.starts_with(">") || afterOpening.starts_with("->")) {
            m_pos = m_in.find('>', body) + 1;
            return;
        }
        for (std::size_t dashes = m_in.find("--", body); dashes != std::string_view::npos;
             dashes = m_in.find("--", dashes + 1)) {
            const std::string_view after = m_in.substr(dashes + 2);
            if (after.starts_with(">") || after.starts_with("!>")) {
                m_pos = m_in.find('>', dashes + 2) + 1;
                return;
            }
        }
        m_pos = m_in.size();
    }

    void readTag(bool isEnd)
    {
        const std::size_t nameStart = m_pos + (isEnd ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (
            nameEnd < m_in.size() && !isSpace(m_in[nameEnd]) && m_in[nameEnd] != '/' && m_in[nameEnd] != '>')
            ++nameEnd;
        m_pos = nameEnd;
        bool selfClosing = false;
        if (!skipAttributes(selfClosing)) {
            // As in browsers, a tag that never ends takes the rest with it; shown as text it would
            // show the feed's attributes as notes.
            m_pos = m_in.size();
            return;
        }
        const ElementRule* rule = ruleFor(m_in.substr(nameStart, nameEnd - nameStart));
        if (!rule)
            return;
        if (isEnd)
            endTag(*rule);
        else
            startTag(*rule, selfClosing);
    }

    // Moves past the attributes and the '>' that ends the tag, reading them as browsers do: a quoted
    // value can hold '>', an unquoted one ends at a space or '>', and a name can begin with '='.
    // False when the text ends first.
    bool skipAttributes(bool& selfClosing)
    {
        while (true) {
            while (m_pos < m_in.size() && (isSpace(m_in[m_pos]) || m_in[m_pos] == '/')) {
                selfClosing = m_in[m_pos] == '/' && m_pos + 1 < m_in.size() && m_in[m_pos + 1] == '>';
                ++m_pos;
            }
            if (m_pos == m_in.size())
                return false;
            if (m_in[m_pos] == '>') {
                ++m_pos;
                return true;
            }
            ++m_pos;
            while (m_pos < m_in.size() && !isSpace(m_in[m_pos]) && m_in[m_pos] != '/' && m_in[m_pos] != '>'
                && m_in[m_pos] != '=')
                ++m_pos;
            while (m_pos < m_in.size() && isSpace(m_in[m_pos]))
                ++m_pos;
            if (m_pos == m_in.size() || m_in[m_pos] != '=')
                continue;
            ++m_pos;
            while (m_pos < m_in.size() && isSpace(m_in[m_pos]))
                ++m_pos;
            if (m_pos == m_in.size())
                return false;
            if (m_in[m_pos] == '"' || m_in[m_pos] == '\'') {
                const std::size_t closingQuote = m_in.find(m_in[m_pos], m_pos + 1);
                if (closingQuote == std::string_view::npos)
                    return false;
                m_pos = closingQuote + 1;
            } else {
                while (m_pos < m_in.size() && !isSpace(m_in[m_pos]) && m_in[m_pos] != '>')
                    ++m_pos;
            }
        }
    }

    // Up to the element's end tag, which is then read as any other; "</script>" inside a string of
    // the script ends it too, as in browsers.
    void skipRawText(std::string_view name)
    {
        for (std::size_t at = m_in.find("</", m_pos); at != std::string_view::npos;
             at = m_in.find("</", at + 2)) {
            const std::size_t after = at + 2 + name.size();
            if (after <= m_in.size() && equalsIgnoringAsciiCase(m_in.substr(at + 2, name.size()), name)
                && (after == m_in.size() || isSpace(m_in[after]) || m_in[after] == '/'
                    || m_in[after] == '>')) {
                m_pos = at;
                return;
            }
        }
        m_pos = m_in.size();
    }

    std::size_t& dropDepth(const ElementRule& rule)
    {
        return m_dropDepth[static_cast<std::size_t>(&rule - std::begin(kElementRules))];
    }

    void startTag(const ElementRule& rule, bool selfClosing)
    {
        if (rule.role == Role::dropRawText) {
            skipRawText(rule.name);
            return;
        }
        if (rule.role == Role::dropContents) {
            // "<svg/>" is complete, as it is in SVG; waiting for its end tag would drop the rest of the
            // notes.
            if (!selfClosing) {
                ++dropDepth(rule);
                ++m_dropping;
            }
            return;
        }
        if (m_dropping > 0)
            return;
        switch (rule.role) {
        case Role::inlineFormat:
            beginContent();
            open(rule);
            break;
        case Role::block:
            closeParagraph();
            open(rule);
            startLine();
            break;
        case Role::listItem:
            closeParagraph();
            // A new item ends the one before, unless it starts a list of its own inside it.
            closeInnermost([](const ElementRule& element) { return element.role == Role::listItem; },
                [](const ElementRule& element) { return element.role != Role::inlineFormat; });
            open(rule);
            startLine();
            break;
        case Role::heading:
            closeParagraph();
            if (!m_open.empty() && m_open.back()->role == Role::heading)
                closeInnermost();
            open(rule);
            startLine();
            break;
        case Role::lineBreak:
            m_out += "<br>";
            startLine();
            break;
        case Role::separator:
            closeParagraph();
            m_breakPending = true;
            break;
        case Role::dropContents:
        case Role::dropRawText:
            break;
        }
    }

    void endTag(const ElementRule& rule)
    {
        if (rule.role == Role::dropContents) {
            if (dropDepth(rule) > 0) {
                --dropDepth(rule);
                --m_dropping;
            }
            return;
        }
        if (m_dropping > 0)
            return;
        const auto isList
            = [](const ElementRule& element) { return element.written == "ul" || element.written == "ol"; };
        const auto never = [](const ElementRule&) { return false; };
        switch (rule.role) {
        case Role::inlineFormat:
            // Within its own block only: a stray "</b>" in a list item must not close the list.
            closeInnermost([&](const ElementRule& element) { return element.written == rule.written; },
                [](const ElementRule& element) { return element.role != Role::inlineFormat; });
            break;
        case Role::block:
            closeInnermost(
                [&](const ElementRule& element) { return element.written == rule.written; }, never);
            break;
        case Role::listItem:
            closeInnermost([](const ElementRule& element) { return element.role == Role::listItem; }, isList);
            break;
        case Role::heading:
            // Any heading, as in HTML: "<h2>…</h3>" is one heading.
            closeInnermost([](const ElementRule& element) { return element.role == Role::heading; }, never);
            break;
        case Role::separator:
            closeParagraph();
            m_breakPending = true;
            break;
        case Role::lineBreak:
        case Role::dropContents:
        case Role::dropRawText:
            break;
        }
    }

    void open(const ElementRule& rule)
    {
        if (m_open.size() == kMaxOpenElements)
            return;
        m_open.push_back(&rule);
        m_out += '<';
        m_out += rule.written;
        m_out += '>';
    }

    void closeInnermost()
    {
        const ElementRule& rule = *m_open.back();
        m_open.pop_back();
        m_out += "</";
        m_out += rule.written;
        m_out += '>';
        if (rule.role != Role::inlineFormat)
            m_atLineStart = true;
    }

    // Closes the innermost open element that `matches` and every one inside it; nothing when one that
    // `stops` the search comes first, or none matches.
    template <typename Matches, typename Stops> void closeInnermost(Matches matches, Stops stops)
    {
        for (std::size_t depth = m_open.size(); depth > 0; --depth) {
            const ElementRule& element = *m_open[depth - 1];
            if (matches(element)) {
                while (m_open.size() >= depth)
                    closeInnermost();
                return;
            }
            if (stops(element))
                return;
        }
    }

    // A paragraph holds no blocks, so any block that starts ends it, as in HTML.
    void closeParagraph()
    {
        closeInnermost([](const ElementRule& element) { return element.written == "p"; },
            [](const ElementRule&) { return false; });
    }

    void startLine()
    {
        m_atLineStart = true;
        m_breakPending = false;
    }

    // Text or inline formatting is about to be written: after a separator, on a line of its own.
    void beginContent()
    {
        if (m_breakPending && !m_atLineStart)
            m_out += "<br>";
        m_breakPending = false;
        m_atLineStart = false;
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::string m_out;
    std::vector<const ElementRule*> m_open;
    // Per element, so that a stray "</svg>" inside an <object> does not end the dropping early.
    std::array<std::size_t, std::size(kElementRules)> m_dropDepth {};
    std::size_t m_dropping = 0; // the sum of m_dropDepth
    bool m_atLineStart = true;
    bool m_breakPending = false;
};

} // namespace

std::string safeReleaseNotesHtml(std::string_view html)
{
    const bool cut = html.size() > kMaxReleaseNotesBytes;
    if (cut)
        html = html.substr(0, characterBoundaryAtOrBefore(html, kMaxReleaseNotesBytes));
    const std::string text = wellFormedUtf8(html);
    return NotesFilter(text).run(cut);
}

} // namespace quillon
