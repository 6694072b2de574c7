// HTML as a browser shows it: character data is text, everything else is markup. Tags are read
// with their quoted attribute values, so a '>' inside a value does not end them; comments, CDATA,
// doctypes and the content of script, style, title, textarea and the like are markup whole.
// Character references are decoded as browsers decode them in text: the whole named table
// (legacy names without ';' too, longest match first) and numeric ones with their repairs; an
// '&' that starts none is an '&'. Inside <pre> a line break or tab is a break of its own;
// elsewhere whitespace flows (see TextLayout).
// Inline elements join the text around them, block elements and <br> break it.
#include "textactions/rich_document.h"

#include "platform/string_operations.h"
#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

namespace nimbrel {
namespace {

struct NamedReference {
    std::string_view name;
    std::string_view text;
};

#include "html_entities.inc"

// What an element is to the text: a block (which breaks it), hidden (its content is markup up to
// its end tag), preformatted (a block whose line breaks and tabs break it) or plaintext (the
// rest of the document is its content, as markup).
enum class ElementKind : std::uint8_t { inline_, block, hidden, preformatted, plaintext };
struct Element {
    std::string_view name;
    ElementKind kind;
};
constexpr std::array<Element, 65> knownElements{{
    {"address", ElementKind::block}, {"article", ElementKind::block}, {"aside", ElementKind::block},
    {"blockquote", ElementKind::block}, {"body", ElementKind::block}, {"br", ElementKind::block},
    {"caption", ElementKind::block}, {"center", ElementKind::block}, {"dd", ElementKind::block},
    {"details", ElementKind::block}, {"dialog", ElementKind::block}, {"dir", ElementKind::block},
    {"div", ElementKind::block}, {"dl", ElementKind::block}, {"dt", ElementKind::block},
    {"fieldset", ElementKind::block}, {"figcaption", ElementKind::block}, {"figure", ElementKind::block},
    {"footer", ElementKind::block}, {"form", ElementKind::block}, {"frameset", ElementKind::block},
    {"h1", ElementKind::block}, {"h2", ElementKind::block}, {"h3", ElementKind::block}, {"h4", ElementKind::block},
    {"h5", ElementKind::block}, {"h6", ElementKind::block}, {"head", ElementKind::block},
    {"header", ElementKind::block}, {"hgroup", ElementKind::block}, {"hr", ElementKind::block},
    {"html", ElementKind::block}, {"iframe", ElementKind::hidden}, {"legend", ElementKind::block},
    {"li", ElementKind::block}, {"listing", ElementKind::preformatted}, {"main", ElementKind::block},
    {"menu", ElementKind::block}, {"nav", ElementKind::block}, {"noembed", ElementKind::hidden},
    {"noframes", ElementKind::hidden}, {"noscript", ElementKind::hidden}, {"ol", ElementKind::block},
    {"optgroup", ElementKind::block}, {"option", ElementKind::block}, {"p", ElementKind::block},
    {"plaintext", ElementKind::plaintext}, {"pre", ElementKind::preformatted}, {"script", ElementKind::hidden},
    {"search", ElementKind::block}, {"section", ElementKind::block}, {"style", ElementKind::hidden},
    {"summary", ElementKind::block}, {"table", ElementKind::block}, {"tbody", ElementKind::block},
    {"td", ElementKind::block}, {"template", ElementKind::hidden}, {"textarea", ElementKind::hidden},
    {"tfoot", ElementKind::block}, {"th", ElementKind::block}, {"thead", ElementKind::block},
    {"title", ElementKind::hidden}, {"tr", ElementKind::block}, {"ul", ElementKind::block}, {"xmp", ElementKind::hidden},
}};
// The longest name in the table, ';' included.
constexpr std::size_t longestReference = 32;
// The longest name that is also decoded without its ';'.
constexpr std::size_t longestLegacyReference = 6;
// The source is read this far at most between looks at the stop request.
constexpr std::size_t stopCheckInterval = std::size_t{64} << 10;

constexpr bool isAsciiLetter(char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

constexpr bool isAsciiDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

constexpr char asciiLower(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 32) : byte;
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerName)
{
    return text.size() == lowerName.size()
        && std::equal(text.begin(), text.end(), lowerName.begin(), [](char a, char b) { return asciiLower(a) == b; });
}

// A tag's name as two numbers, its bytes in lower case from the most significant on and zeros
// after them, so that tags are compared as numbers. nullopt for a name longer than any element's.
using NameKey = std::pair<std::uint64_t, std::uint64_t>;

constexpr std::optional<NameKey> keyOf(std::string_view name)
{
    if (name.size() > 2 * sizeof(std::uint64_t))
        return std::nullopt;
    NameKey key{0, 0};
    for (std::size_t index = 0; index < name.size(); ++index) {
        auto &part = index < sizeof(std::uint64_t) ? key.first : key.second;
        part |= std::uint64_t{static_cast<unsigned char>(asciiLower(name[index]))} << (56 - 8 * (index % 8));
    }
    return key;
}

constexpr std::array<NameKey, knownElements.size()> knownKeys = [] {
    std::array<NameKey, knownElements.size()> keys{};
    for (std::size_t index = 0; index < knownElements.size(); ++index)
        keys[index] = *keyOf(knownElements[index].name);
    return keys;
}();

// Tags are looked up far too often for a search: a table of 1024 slots, hashed by a multiplier
// found at compile time under which no two known names share a slot (with this many slots, a few
// tries find one).
constexpr unsigned elementSlotBits = 10;
constexpr std::size_t elementSlots = std::size_t{1} << elementSlotBits;
constexpr std::uint8_t emptySlot = 0xFF;
static_assert(knownElements.size() < emptySlot);

constexpr std::size_t slotOf(const NameKey &key, std::uint64_t multiplier)
{
    return static_cast<std::size_t>(((key.first ^ (key.second >> 1)) * multiplier) >> (64 - elementSlotBits));
}

constexpr std::optional<std::array<std::uint8_t, elementSlots>> elementTable(std::uint64_t multiplier)
{
    std::array<std::uint8_t, elementSlots> table{};
    table.fill(emptySlot);
    for (std::size_t index = 0; index < knownKeys.size(); ++index) {
        std::uint8_t &slot = table[slotOf(knownKeys[index], multiplier)];
        if (slot != emptySlot)
            return std::nullopt;
        slot = static_cast<std::uint8_t>(index);
    }
    return table;
}

constexpr std::uint64_t elementMultiplier = [] {
    for (std::uint64_t multiplier = 0x9E3779B97F4A7C15ULL;; multiplier += 0x2545F4914F6CDD1DULL) {
        if (elementTable(multiplier))
            return multiplier;
    }
}();
constexpr std::array<std::uint8_t, elementSlots> elementSlotTable = *elementTable(elementMultiplier);

// The known element with that name in any case; nullptr for any other.
const Element *elementNamed(std::string_view name)
{
    const std::optional<NameKey> key = keyOf(name);
    if (!key)
        return nullptr;
    const std::uint8_t index = elementSlotTable[slotOf(*key, elementMultiplier)];
    return index != emptySlot && knownKeys[index] == *key ? &knownElements[index] : nullptr;
}

ElementKind kindOf(const Element *element)
{
    return element ? element->kind : ElementKind::inline_;
}

bool breaksText(ElementKind kind)
{
    return kind == ElementKind::block || kind == ElementKind::preformatted;
}

const NamedReference *findNamedReference(std::string_view name)
{
    const auto found = std::lower_bound(namedReferences.begin(), namedReferences.end(), name,
                                        [](const NamedReference &entry, std::string_view key) { return entry.name < key; });
    return found != namedReferences.end() && found->name == name ? &*found : nullptr;
}

// A numeric reference's value as browsers repair it: no NUL, surrogate or value past Unicode, and
// the C1 controls read as the Windows-1252 characters that pages mean by them.
std::string numericReferenceText(unsigned long value)
{
    std::string text;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        text = replacementCharacterUtf8;
    } else if (value >= 0x80 && value <= 0x9F) {
        const char byte = static_cast<char>(value);
        text = codePageToUtf8(1252, std::string_view(&byte, 1)).value_or(std::string());
        if (text.empty())
            appendUtf8(text, static_cast<char32_t>(value));
    } else {
        appendUtf8(text, static_cast<char32_t>(value));
    }
    return text;
}

class HtmlReader {
public:
    HtmlReader(std::string_view html, DocumentSink &sink, const std::stop_token &stop)
        : m_html(html)
        , m_sink(sink)
        , m_stop(stop)
    {
    }

    bool read()
    {
        m_valid = firstInvalidUtf8(m_html) == m_html.size();
        std::size_t nextStopCheck = stopCheckInterval;
        while (m_position < m_html.size()) {
            if (m_position >= nextStopCheck) {
                if (m_stop.stop_requested())
                    return false;
                nextStopCheck = m_position + stopCheckInterval;
            }
            const char byte = m_html[m_position];
            if (byte == '<' && readMarkup())
                continue;
            if (byte == '&' && readReference())
                continue;
            readCharacterData(nextMarkupStart());
        }
        return !m_stop.stop_requested();
    }

private:
    // The next '<' or '&' after the current position, or the end: each found with memchr and kept
    // until the reading passes it, so the document is searched once for each.
    std::size_t nextMarkupStart()
    {
        const auto next = [this](char byte, std::size_t &cached) {
            if (cached <= m_position) {
                const void *found = std::memchr(m_html.data() + m_position + 1, byte, m_html.size() - m_position - 1);
                cached = found ? static_cast<std::size_t>(static_cast<const char *>(found) - m_html.data()) : m_html.size();
            }
            return cached;
        };
        return std::min(next('<', m_nextTagOpen), next('&', m_nextAmpersand));
    }

    std::size_t endOf(std::string_view terminator, std::size_t from) const
    {
        // One byte, as every end tag's, is a memchr rather than a search for a string.
        const std::size_t found = terminator.size() == 1 ? m_html.find(terminator[0], from) : m_html.find(terminator, from);
        return found == std::string_view::npos ? m_html.size() : found + terminator.size();
    }

    // The end of a tag: its '>' outside quoted attribute values, or the end of the document.
    std::size_t tagEnd(std::size_t from) const
    {
        // Mostly there is no quote before the first '>': then that ends the tag. Tags are short,
        // so they are read byte by byte rather than searched three times.
        for (std::size_t position = from; position < m_html.size(); ++position) {
            const char byte = m_html[position];
            if (byte == '>')
                return position + 1;
            if (byte == '"' || byte == '\'')
                break;
        }
        for (std::size_t position = from; position < m_html.size(); ++position) {
            if (m_html[position] == '>')
                return position + 1;
            if (m_html[position] != '=')
                continue;
            position = m_html.find_first_not_of(" \t\n\r\f", position + 1);
            if (position == std::string_view::npos)
                break;
            const char quote = m_html[position];
            if (quote == '"' || quote == '\'') {
                position = m_html.find(quote, position + 1);
                if (position == std::string_view::npos)
                    break;
            } else {
                --position;
            }
        }
        return m_html.size();
    }

    std::string_view tagName(std::size_t from) const
    {
        std::size_t end = from;
        while (end < m_html.size() && !isTagNameEnd(m_html[end]))
            ++end;
        return m_html.substr(from, end - from);
    }

    static bool isTagNameEnd(char byte)
    {
        return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f' || byte == '/' || byte == '>';
    }

    bool readMarkup()
    {
        const std::string_view rest = m_html.substr(m_position);
        const char second = rest.size() > 1 ? rest[1] : '\0';
        // Start and end tags are most of the markup: known by their second byte.
        if (isAsciiLetter(second)) {
            readStartTag();
        } else if (second == '/' && rest.size() > 2 && isAsciiLetter(rest[2])) {
            const ElementKind kind = kindOf(elementNamed(tagName(m_position + 2)));
            if (kind == ElementKind::preformatted && m_preformattedDepth > 0)
                --m_preformattedDepth;
            addMarkup(endOf(">", m_position + 2), breaksText(kind));
        } else if (rest.starts_with("<!-->") || rest.starts_with("<!--->")) {
            addMarkup(m_position + (rest[4] == '>' ? 5 : 6), false);
        } else if (rest.starts_with("<!--")) {
            addMarkup(endOf("-->", m_position + 4), false);
        } else if (rest.starts_with("<![CDATA[")) {
            addMarkup(endOf("]]>", m_position + 9), false);
        } else if (second == '!' || second == '?' || second == '/') {
            addMarkup(endOf(">", m_position + 2), false);
        } else {
            return false;
        }
        return true;
    }

    void readStartTag()
    {
        const Element *element = elementNamed(tagName(m_position + 1));
        const ElementKind kind = kindOf(element);
        const std::size_t end = tagEnd(m_position + 1);
        // XHTML writers close an empty element as <title/>: then no content follows.
        const bool selfClosing = end >= 2 && m_html[end - 1] == '>' && m_html[end - 2] == '/';
        addMarkup(end, breaksText(kind));
        if (selfClosing)
            return;
        if (kind == ElementKind::plaintext) {
            addMarkup(m_html.size(), false);
        } else if (kind == ElementKind::hidden) {
            skipRawText(element->name);
        } else if (kind == ElementKind::preformatted) {
            ++m_preformattedDepth;
            // A line break right after the start tag is not shown.
            if (m_html.substr(m_position).starts_with("\r\n"))
                addMarkup(m_position + 2, false);
            else if (m_position < m_html.size() && (m_html[m_position] == '\n' || m_html[m_position] == '\r'))
                addMarkup(m_position + 1, false);
        }
    }

    // The content of a raw-text element up to its end tag, whose name may be in any case.
    void skipRawText(std::string_view name)
    {
        std::size_t end = m_html.find("</", m_position);
        while (end != std::string_view::npos && !equalsIgnoringAsciiCase(m_html.substr(end + 2, name.size()), name))
            end = m_html.find("</", end + 2);
        end = std::min(end, m_html.size());
        if (end > m_position)
            addMarkup(end, false);
    }

    bool readReference()
    {
        const std::size_t start = m_position + 1;
        if (start < m_html.size() && m_html[start] == '#')
            return readNumericReference(start + 1);
        std::size_t nameEnd = start;
        while (nameEnd < m_html.size() && nameEnd - start < longestReference
               && (isAsciiLetter(m_html[nameEnd]) || isAsciiDigit(m_html[nameEnd])))
            ++nameEnd;
        if (nameEnd < m_html.size() && m_html[nameEnd] == ';') {
            if (const NamedReference *reference = findNamedReference(m_html.substr(start, nameEnd + 1 - start))) {
                addReference(nameEnd + 1, reference->text);
                return true;
            }
        }
        // The legacy names match without ';', the longest first, whatever follows them.
        for (std::size_t length = std::min(nameEnd - start, longestLegacyReference); length > 1; --length) {
            if (const NamedReference *reference = findNamedReference(m_html.substr(start, length))) {
                addReference(start + length, reference->text);
                return true;
            }
        }
        return false;
    }

    bool readNumericReference(std::size_t from)
    {
        const bool hex = from < m_html.size() && (m_html[from] == 'x' || m_html[from] == 'X');
        std::size_t end = from + (hex ? 1 : 0);
        const std::size_t digitsStart = end;
        unsigned long value = 0;
        for (; end < m_html.size(); ++end) {
            const char byte = asciiLower(m_html[end]);
            int digit = -1;
            if (isAsciiDigit(byte))
                digit = byte - '0';
            else if (hex && byte >= 'a' && byte <= 'f')
                digit = byte - 'a' + 10;
            if (digit < 0)
                break;
            // Past Unicode it stays past Unicode, however many digits follow.
            value = std::min<unsigned long>(value * (hex ? 16 : 10) + static_cast<unsigned long>(digit), 0x110000);
        }
        if (end == digitsStart)
            return false;
        if (end < m_html.size() && m_html[end] == ';')
            ++end;
        addReference(end, numericReferenceText(value));
        return true;
    }

    void addReference(std::size_t end, std::string_view text)
    {
        if (m_preformattedDepth > 0 && text.size() == 1 && (text[0] == '\n' || text[0] == '\r' || text[0] == '\t'))
            addMarkup(end, true);
        else
            addText(end, text, TextStyle{.alone = true});
    }

    void readCharacterData(std::size_t end)
    {
        while (m_position < end) {
            std::size_t runEnd = end;
            if (m_preformattedDepth > 0) {
                const std::size_t found = m_html.substr(m_position, end - m_position).find_first_of("\t\n\r");
                runEnd = found == std::string_view::npos ? end : m_position + found;
            }
            if (runEnd > m_position) {
                const std::string_view data = m_html.substr(m_position, runEnd - m_position);
                addText(runEnd, m_valid ? data : validUtf8View(data, m_decoded));
            }
            if (m_position < end) {
                // A line break or tab in preformatted text; CR LF is one line break.
                const bool crlf = m_html.substr(m_position).starts_with("\r\n") && m_position + 2 <= end;
                addMarkup(m_position + (crlf ? 2 : 1), true);
            }
        }
    }

    void addMarkup(std::size_t end, bool breaksText)
    {
        m_sink.markup(end, breaksText);
        m_position = end;
    }

    void addText(std::size_t end, std::string_view text, const TextStyle &style = {})
    {
        m_sink.text(end, text, style);
        m_position = end;
    }

    std::string_view m_html;
    DocumentSink &m_sink;
    const std::stop_token &m_stop;
    std::size_t m_position = 0;
    int m_preformattedDepth = 0;
    std::size_t m_nextTagOpen = 0;
    std::size_t m_nextAmpersand = 0;
    // Whether the whole document is valid UTF-8, so that its character data need no checking.
    bool m_valid = false;
    // Character data made valid UTF-8, where the source is not.
    std::string m_decoded;
};

} // namespace

bool readHtml(std::string_view html, DocumentSink &sink, const std::stop_token &stop)
{
    return HtmlReader(html, sink, stop).read();
}

// Whether any of the 8 bytes at text is '&', '<' or '>', tested on all of them at once.
bool mayHoldSpecial(const char *text)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    std::uint64_t word = 0;
    std::memcpy(&word, text, sizeof word);
    const auto holds = [word](char byte) {
        const std::uint64_t differences = word ^ (ones * static_cast<unsigned char>(byte));
        return (differences - ones) & ~differences & highs;
    };
    return (holds('&') | holds('<') | holds('>')) != 0;
}

void appendHtmlText(std::string &out, std::string_view text)
{
    std::size_t start = 0;
    for (std::size_t position = 0; position < text.size(); ++position) {
        // Text without markup characters, mostly: skip it 8 bytes at a time.
        while (position + 8 <= text.size() && !mayHoldSpecial(text.data() + position))
            position += 8;
        if (position == text.size())
            break;
        const char byte = text[position];
        if (byte != '&' && byte != '<' && byte != '>')
            continue;
        out.append(text.substr(start, position - start));
        out.append(byte == '&' ? "&amp;" : (byte == '<' ? "&lt;" : "&gt;"));
        start = position + 1;
    }
    out.append(text.substr(start));
}

} // namespace nimbrel
