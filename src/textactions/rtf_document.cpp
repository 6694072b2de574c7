// RTF as the text actions see it: the document's text runs are text; control words, control
// symbols, braces and every destination that holds no document text (font and colour tables,
// style sheets, document information, pictures, field instructions, {\*\...} that this reader
// does not know) are markup. Footnotes, headers and footers are text, each a story of its own.
// \'hh is read in the code page of the current font's character set, else of \ansicpg, and
// \uN with the \ucN fallback characters that follow it; a \uN out of its 16-bit range is
// U+FFFD. The symbols that stand for characters (\~, \emdash, \bullet...) are text. A byte that
// no code page here maps stays markup. Binary data, bytes outside ASCII (the reader could not
// know their encoding), unbalanced groups and groups nested deeper than any writer nests them
// make the document one this reader does not rewrite.
#include "textactions/rich_document.h"

#include "platform/string_operations.h"
#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace nimbrel {
namespace {

constexpr std::array<std::string_view, 31> ignoredDestinations{
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "fldinst", "listtable", "listoverridetable", "revtbl",
    "rsidtbl", "filetbl", "object", "objdata", "themedata", "colorschememapping", "datastore", "latentstyles",
    "xmlnstbl", "pgdsctbl", "generator", "mmathPr", "shpinst", "sp", "sn", "sv", "nonshppict", "bkmkstart",
    "bkmkend", "xe", "tc", "listtext"};
constexpr std::array<std::string_view, 10> textBreaks{"par", "line", "sect", "page", "cell",
                                                      "row", "nestcell", "nestrow", "tab", "column"};
// Destinations whose text is the document's, but not the text around them.
constexpr std::array<std::string_view, 10> separateStories{"footnote", "header",  "headerl", "headerr", "headerf",
                                                           "footer",   "footerl", "footerr", "footerf", "annotation"};
struct SymbolWord {
    std::string_view name;
    std::string_view text;
};
constexpr std::array<SymbolWord, 14> symbolWords{{
    {"bullet", "\u2022"}, {"emdash", "\u2014"}, {"endash", "\u2013"}, {"lquote", "\u2018"}, {"rquote", "\u2019"},
    {"ldblquote", "\u201C"}, {"rdblquote", "\u201D"}, {"emspace", "\u2003"}, {"enspace", "\u2002"},
    {"qmspace", "\u2005"}, {"zwj", "\u200D"}, {"zwnj", "\u200C"}, {"ltrmark", "\u200E"}, {"rtlmark", "\u200F"},
}};
constexpr int maximalUnicodeSkip = 16;
// Writers nest a few dozen groups deep; a document nested deeper than this is not read.
constexpr std::size_t maximalGroupDepth = 4096;
// The source is read this far at most between looks at the stop request.
constexpr std::size_t stopCheckInterval = std::size_t{64} << 10;
// The character sets a document may declare before (or instead of) its \ansicpg.
constexpr std::array<std::pair<std::string_view, int>, 4> characterSets{
    {{"ansi", 1252}, {"mac", 10000}, {"pc", 437}, {"pca", 850}}};

// The code page of a font character set: 0 for the document's own, -1 for none (Symbol).
int codePageOfCharset(int charset)
{
    static const std::map<int, int> codePages{
        {0, 0},      {1, 0},      {77, 10000}, {128, 932},  {129, 949},  {130, 1361},
        {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255},
        {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250},
    };
    const auto found = codePages.find(charset);
    return found == codePages.end() ? -1 : found->second;
}

constexpr bool isAsciiLetter(char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

constexpr bool isAsciiDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

// The bytes that end a run of plain characters.
constexpr bool isSpecial(char byte)
{
    return byte == '\\' || byte == '{' || byte == '}' || byte == '\r' || byte == '\n' || byte == '\t';
}

// What a control word does to the reader.
enum class WordKind : std::uint8_t { other, symbol, textBreak, story, ignoredDestination, characterSet };
struct WordMeaning {
    WordKind kind = WordKind::other;
    // A symbol's text, or a character set's code page.
    std::string_view text;
    int codePage = 0;
};

// Every control word the reader gives a meaning to, found with one look-up. Writers put a control
// word every few bytes, so this is an open-addressed table with a cheap hash for short names.
class ControlWords {
public:
    ControlWords()
    {
        for (const auto name : ignoredDestinations)
            add(name, {WordKind::ignoredDestination, {}, 0});
        for (const auto name : textBreaks)
            add(name, {WordKind::textBreak, {}, 0});
        for (const auto name : separateStories)
            add(name, {WordKind::story, {}, 0});
        for (const auto &symbol : symbolWords)
            add(symbol.name, {WordKind::symbol, symbol.text, 0});
        for (const auto &[name, codePage] : characterSets)
            add(name, {WordKind::characterSet, {}, codePage});
    }

    WordMeaning meaningOf(std::string_view name) const
    {
        for (std::size_t slot = hash(name);; slot = (slot + 1) % slots) {
            const Entry &entry = m_entries[slot];
            if (entry.name.empty() || entry.name == name)
                return entry.meaning;
        }
    }

private:
    struct Entry {
        std::string_view name;
        WordMeaning meaning;
    };
    // Four times the words, so that a look-up mostly ends at its first slot.
    static constexpr std::size_t slots = 512;
    static_assert(slots >= 4 * (ignoredDestinations.size() + textBreaks.size() + separateStories.size()
                                + symbolWords.size() + characterSets.size()));

    static std::size_t hash(std::string_view name)
    {
        std::uint32_t value = 2166136261U;
        for (const char byte : name)
            value = (value ^ static_cast<unsigned char>(byte)) * 16777619U;
        return (value ^ (value >> 16)) % slots;
    }

    void add(std::string_view name, WordMeaning meaning)
    {
        std::size_t slot = hash(name);
        while (!m_entries[slot].name.empty())
            slot = (slot + 1) % slots;
        m_entries[slot] = {name, meaning};
    }

    std::array<Entry, slots> m_entries{};
};

const ControlWords &controlWords()
{
    static const ControlWords words;
    return words;
}

// The characters that a backslash turns from markup into text.
bool isEscapedText(char symbol)
{
    return symbol == '\\' || symbol == '{' || symbol == '}';
}

int hexValue(char digit)
{
    if (!std::isxdigit(static_cast<unsigned char>(digit)))
        return -1;
    return std::isdigit(static_cast<unsigned char>(digit)) ? digit - '0' : std::tolower(digit) - 'a' + 10;
}

struct ControlWord {
    std::string_view name;
    int parameter = 0;
    bool hasParameter = false;
    // The number as written did not fit a signed 16-bit or an unsigned 16-bit value.
    bool outOfRange = false;
    bool delimited = false;
    std::size_t end = 0;
};

class RtfReader {
public:
    RtfReader(std::string_view rtf, DocumentSink &sink, const std::stop_token &stop)
        : m_rtf(rtf)
        , m_sink(sink)
        , m_stop(stop)
    {
    }

    bool read()
    {
        if (!m_rtf.starts_with("{\\rtf") || std::any_of(m_rtf.begin(), m_rtf.end(), [](char byte) { return byte < 0; }))
            return false;
        std::size_t nextStopCheck = stopCheckInterval;
        while (m_position < m_rtf.size()) {
            if (m_position >= nextStopCheck) {
                if (m_stop.stop_requested())
                    return false;
                nextStopCheck = m_position + stopCheckInterval;
            }
            if (m_started && m_groups.empty()) {
                addMarkup(m_rtf.size());
                break;
            }
            if (!readToken())
                return false;
        }
        return m_groups.empty() && !m_stop.stop_requested();
    }

private:
    struct Group {
        int unicodeSkip = 1;
        int font = -1;
        bool ignored = false;
        bool fontTable = false;
        // Opened by \*: ignored unless the destination that follows is a story this reader knows.
        bool starred = false;
        bool story = false;
    };

    bool readToken()
    {
        const char byte = m_rtf[m_position];
        if (byte == '{') {
            if (m_groups.size() == maximalGroupDepth)
                return false;
            Group group = m_groups.empty() ? Group{} : m_groups.back();
            group.starred = false;
            group.story = false;
            m_groups.push_back(group);
            m_started = true;
            addMarkup(m_position + 1);
        } else if (byte == '}') {
            const bool story = m_groups.back().story;
            m_groups.pop_back();
            if (story)
                addStory(m_position + 1, false);
            else
                addMarkup(m_position + 1);
        } else if (byte == '\r' || byte == '\n') {
            addMarkup(m_position + 1);
        } else if (byte == '\t') {
            addMarkup(m_position + 1, true);
        } else if (byte != '\\') {
            // Plain characters up to the next that means more, at once.
            std::size_t end = m_position + 1;
            while (end < m_rtf.size() && !isSpecial(m_rtf[end]))
                ++end;
            addCharacter(end, m_rtf.substr(m_position, end - m_position));
        } else if (m_position + 1 == m_rtf.size()) {
            return false;
        } else if (isAsciiLetter(m_rtf[m_position + 1])) {
            return readControlWord();
        } else {
            return readControlSymbol();
        }
        return true;
    }

    ControlWord controlWordAt(std::size_t position) const
    {
        ControlWord word;
        std::size_t end = position + 1;
        while (end < m_rtf.size() && isAsciiLetter(m_rtf[end]))
            ++end;
        word.name = m_rtf.substr(position + 1, end - position - 1);
        const std::size_t numberStart = end;
        if (end < m_rtf.size() && m_rtf[end] == '-')
            ++end;
        long value = 0;
        while (end < m_rtf.size() && isAsciiDigit(m_rtf[end])) {
            // However many digits follow, the value stays just out of range.
            value = std::min(value * 10 + (m_rtf[end] - '0'), 65536L);
            word.hasParameter = true;
            ++end;
        }
        if (!word.hasParameter)
            end = numberStart;
        const bool negative = numberStart < m_rtf.size() && m_rtf[numberStart] == '-';
        const long signedValue = negative ? -value : value;
        word.outOfRange = signedValue < -32768 || signedValue > 65535;
        word.parameter = static_cast<int>(std::clamp(signedValue, -65536L, 65535L));
        word.delimited = end < m_rtf.size() && m_rtf[end] == ' ';
        word.end = end + (word.delimited ? 1 : 0);
        return word;
    }

    bool readControlWord()
    {
        const ControlWord word = controlWordAt(m_position);
        Group &group = m_groups.back();
        const bool afterStar = m_afterStar;
        m_afterStar = false;
        if (word.name == "bin")
            return false;
        if (word.name == "u" && word.hasParameter && !group.ignored)
            return readUnicode(word);
        const WordMeaning meaning = m_words.meaningOf(word.name);
        if (meaning.kind == WordKind::symbol) {
            addCharacter(word.end, meaning.text, true);
            return true;
        }
        if (word.name == "uc")
            group.unicodeSkip = std::clamp(word.parameter, 0, maximalUnicodeSkip);
        else if (word.name == "ansicpg")
            m_codePage = word.parameter;
        else if (meaning.kind == WordKind::characterSet)
            m_codePage = meaning.codePage;
        else if (word.name == "deff")
            m_defaultFont = word.parameter;
        else if (word.name == "f")
            (group.fontTable ? m_tableFont : group.font) = word.parameter;
        else if (word.name == "fcharset" && group.fontTable)
            m_fontCharsets[m_tableFont] = word.parameter;
        if (meaning.kind == WordKind::story && !group.story) {
            // A starred story this reader knows is read after all; its text stands apart.
            if (afterStar && group.starred)
                group.ignored = m_groups.size() > 1 && m_groups[m_groups.size() - 2].ignored;
            group.story = !group.ignored;
            if (group.story) {
                addStory(word.end, true);
                m_afterControlWord = !word.delimited;
                return true;
            }
        } else if (meaning.kind == WordKind::ignoredDestination) {
            group.ignored = true;
            group.fontTable = group.fontTable || word.name == "fonttbl";
        }
        addMarkup(word.end, meaning.kind == WordKind::textBreak);
        m_afterControlWord = !word.delimited;
        return true;
    }

    bool readControlSymbol()
    {
        const char symbol = m_rtf[m_position + 1];
        if (symbol == '\'')
            return readHexCharacters();
        if (isEscapedText(symbol)) {
            addCharacter(m_position + 2, std::string(1, symbol));
        } else if (symbol == '~') {
            addCharacter(m_position + 2, "\u00A0");
        } else if (symbol == '_') {
            addCharacter(m_position + 2, "\u2011");
        } else {
            if (symbol == '*') {
                m_groups.back().ignored = true;
                m_groups.back().starred = true;
                m_afterStar = true;
            }
            // A backslash before a line end is a paragraph mark.
            addMarkup(m_position + 2, symbol == '\r' || symbol == '\n');
        }
        return true;
    }

    // The byte of a \'hh at position; -1 when there is none.
    int hexByteAt(std::size_t position) const
    {
        if (position + 4 > m_rtf.size() || m_rtf.substr(position, 2) != "\\'")
            return -1;
        const int high = hexValue(m_rtf[position + 2]);
        const int low = hexValue(m_rtf[position + 3]);
        return high < 0 || low < 0 ? -1 : high * 16 + low;
    }

    bool readHexCharacters()
    {
        // A run of \'hh is decoded at once: a double-byte code page spreads a character over two.
        std::string bytes;
        std::size_t end = m_position;
        for (int byte = hexByteAt(end); byte >= 0; byte = hexByteAt(end)) {
            bytes += static_cast<char>(byte);
            end += 4;
        }
        if (bytes.empty())
            return false;
        const std::optional<std::string> text = decodedBytes(bytes);
        if (m_groups.back().ignored || !text)
            addMarkup(end);
        else
            addCharacter(end, *text);
        return true;
    }

    std::optional<std::string> decodedBytes(const std::string &bytes)
    {
        if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte >= 0; }))
            return bytes;
        const int font = m_groups.back().font < 0 ? m_defaultFont : m_groups.back().font;
        const auto charset = m_fontCharsets.find(font);
        const int codePage = charset == m_fontCharsets.end() ? 0 : codePageOfCharset(charset->second);
        if (codePage < 0)
            return std::nullopt;
        return decodedInCodePage(codePage == 0 ? m_codePage : codePage, bytes);
    }

    // Single-byte code pages through a table made once per code page: a converter per \'hh would
    // cost more than the rest of the reading. Double-byte ones go to the converter a run at a time.
    std::optional<std::string> decodedInCodePage(int codePage, const std::string &bytes)
    {
        if (isDoubleByte(codePage))
            return codePageToUtf8(static_cast<unsigned>(codePage), bytes);
        auto &table = m_byteTables[codePage];
        if (table.empty()) {
            table.resize(128);
            // A code page the converters do not know maps nothing; asking once says so.
            const bool known = codePageToUtf8(static_cast<unsigned>(codePage), "A").has_value();
            for (int byte = 0x80; known && byte < 0x100; ++byte) {
                const char single = static_cast<char>(byte);
                table[static_cast<std::size_t>(byte - 0x80)] =
                    codePageToUtf8(static_cast<unsigned>(codePage), std::string_view(&single, 1)).value_or("");
            }
        }
        std::string text;
        for (const char byte : bytes) {
            if (byte >= 0) {
                text += byte;
                continue;
            }
            const std::string &mapped = table[static_cast<std::size_t>(static_cast<unsigned char>(byte) - 0x80)];
            if (mapped.empty())
                return std::nullopt;
            text += mapped;
        }
        return text;
    }

    static bool isDoubleByte(int codePage)
    {
        return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361;
    }

    // \uN and the fallback characters after it; a surrogate pair is two of them.
    bool readUnicode(const ControlWord &word)
    {
        char32_t codePoint = word.outOfRange
            ? replacementCharacter
            : static_cast<char32_t>(word.parameter < 0 ? word.parameter + 65536 : word.parameter);
        std::size_t end = skipFallback(word.end);
        if (codePoint >= 0xD800 && codePoint < 0xDC00 && m_rtf.substr(end, 2) == "\\u") {
            const ControlWord low = controlWordAt(end);
            const auto unit = static_cast<char32_t>(low.parameter < 0 ? low.parameter + 65536 : low.parameter);
            if (low.name == "u" && low.hasParameter && !low.outOfRange && unit >= 0xDC00 && unit < 0xE000) {
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (unit - 0xDC00);
                end = skipFallback(low.end);
            }
        }
        if (codePoint >= 0xD800 && codePoint < 0xE000)
            codePoint = replacementCharacter;
        std::string text;
        appendUtf8(text, codePoint);
        addCharacter(end, text);
        return true;
    }

    std::size_t skipFallback(std::size_t position) const
    {
        for (int skipped = 0; skipped < m_groups.back().unicodeSkip && position < m_rtf.size(); ++skipped) {
            const char byte = m_rtf[position];
            if (hexByteAt(position) >= 0)
                position += 4;
            else if (byte == '\\' && position + 1 < m_rtf.size() && isEscapedText(m_rtf[position + 1]))
                position += 2;
            else if (byte != '\\' && byte != '{' && byte != '}' && byte != '\r' && byte != '\n')
                position += 1;
            else
                break;
        }
        return position;
    }

    void addMarkup(std::size_t end, bool breaksText = false)
    {
        m_sink.markup(end, breaksText);
        m_position = end;
        m_afterControlWord = false;
    }

    void addStory(std::size_t end, bool opens)
    {
        m_sink.story(end, opens);
        m_position = end;
        m_afterControlWord = false;
    }

    void addCharacter(std::size_t end, std::string_view text, bool alone = false)
    {
        if (m_groups.back().ignored) {
            addMarkup(end);
            return;
        }
        m_sink.text(end, text, TextStyle{m_groups.back().unicodeSkip, m_afterControlWord, alone});
        m_position = end;
        m_afterControlWord = false;
    }

    std::string_view m_rtf;
    const ControlWords &m_words = controlWords();
    DocumentSink &m_sink;
    const std::stop_token &m_stop;
    std::size_t m_position = 0;
    bool m_started = false;
    bool m_afterControlWord = false;
    bool m_afterStar = false;
    std::vector<Group> m_groups;
    int m_codePage = 1252;
    int m_defaultFont = 0;
    int m_tableFont = 0;
    std::map<int, int> m_fontCharsets;
    // Each single-byte code page's bytes 0x80 to 0xFF as UTF-8; empty for a byte it does not map.
    std::map<int, std::vector<std::string>> m_byteTables;
};

} // namespace

bool readRtf(std::string_view rtf, DocumentSink &sink, const std::stop_token &stop)
{
    return RtfReader(rtf, sink, stop).read();
}

void appendRtfText(std::string &out, std::string_view text, const TextStyle &style)
{
    bool first = true;
    for (std::size_t position = 0; position < text.size();) {
        // Plain ASCII goes as it is, unless it would join the control word before the run.
        std::size_t end = position;
        while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x20
               && static_cast<unsigned char>(text[end]) < 0x7F && !isSpecial(text[end]))
            ++end;
        if (end > position && first && style.followsControlWord) {
            const auto byte = static_cast<unsigned char>(text[position]);
            if (std::isalnum(byte) || byte == '-' || byte == ' ')
                end = position;
        }
        if (end > position) {
            out.append(text.substr(position, end - position));
            position = end;
            first = false;
            continue;
        }
        const Utf8Sequence sequence = decodeUtf8(text, position);
        position += sequence.length;
        first = false;
        const char32_t codePoint = sequence.codePoint;
        if (codePoint == '\\' || codePoint == '{' || codePoint == '}') {
            out += '\\';
            out += static_cast<char>(codePoint);
            continue;
        }
        // \uN rather than \'hh, which would join a \'hh of the markup that follows. \uN takes
        // a signed 16-bit number, so characters past U+FFFF go as a surrogate pair.
        const bool pair = codePoint > 0xFFFF;
        const char32_t units[2] = {pair ? 0xD800 + ((codePoint - 0x10000) >> 10) : codePoint,
                                   0xDC00 + ((codePoint - 0x10000) & 0x3FF)};
        for (int unit = 0; unit < (pair ? 2 : 1); ++unit) {
            out += "\\u";
            out += std::to_string(static_cast<int>(units[unit]) - (units[unit] > 0x7FFF ? 65536 : 0));
            if (style.unicodeSkip == 0)
                out += ' ';
            else
                out.append(static_cast<std::size_t>(style.unicodeSkip), '?');
        }
    }
}

} // namespace nimbrel
