// RTF as the text actions see it: the document's text runs are text; control words, control
// symbols, braces and every destination that holds no document text (font and colour tables,
// style sheets, document information, pictures, field instructions, {\*\...}) are markup.
// \'hh is read in the code page of the current font's character set, else of \ansicpg, and
// \uN with the \ucN fallback characters that follow it. A byte that no code page here maps
// stays markup. Binary data, bytes outside ASCII (the reader could not know their encoding) and
// unbalanced groups make the document one this reader does not rewrite.
#include "textactions/marked_up_text.h"

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
constexpr int maximalUnicodeSkip = 16;
// The character sets a document may declare before (or instead of) its \ansicpg.
const std::map<std::string_view, int> characterSets{{"ansi", 1252}, {"mac", 10000}, {"pc", 437}, {"pca", 850}};

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

template <std::size_t size>
bool contains(const std::array<std::string_view, size> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
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
    bool delimited = false;
    std::size_t end = 0;
};

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf)
        : m_rtf(rtf)
    {
    }

    DocumentPieces pieces()
    {
        if (!m_rtf.starts_with("{\\rtf") || std::any_of(m_rtf.begin(), m_rtf.end(), [](char byte) { return byte < 0; }))
            return std::nullopt;
        while (m_position < m_rtf.size()) {
            if (m_started && m_groups.empty()) {
                addMarkup(m_rtf.size());
                break;
            }
            if (!readToken())
                return std::nullopt;
        }
        if (!m_groups.empty())
            return std::nullopt;
        return std::move(m_pieces);
    }

private:
    struct Group {
        int unicodeSkip = 1;
        int font = -1;
        bool ignored = false;
        bool fontTable = false;
    };

    bool readToken()
    {
        const char byte = m_rtf[m_position];
        if (byte == '{') {
            m_groups.push_back(m_groups.empty() ? Group{} : m_groups.back());
            m_started = true;
            addMarkup(m_position + 1);
        } else if (byte == '}') {
            m_groups.pop_back();
            addMarkup(m_position + 1);
        } else if (byte == '\r' || byte == '\n') {
            addMarkup(m_position + 1);
        } else if (byte != '\\') {
            addCharacter(m_position + 1, std::string(1, byte));
        } else if (m_position + 1 == m_rtf.size()) {
            return false;
        } else if (std::isalpha(static_cast<unsigned char>(m_rtf[m_position + 1]))) {
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
        while (end < m_rtf.size() && end - position <= 32 && std::isalpha(static_cast<unsigned char>(m_rtf[end])))
            ++end;
        word.name = m_rtf.substr(position + 1, end - position - 1);
        const std::size_t numberStart = end;
        if (end < m_rtf.size() && m_rtf[end] == '-')
            ++end;
        long value = 0;
        while (end < m_rtf.size() && end - numberStart <= 10 && std::isdigit(static_cast<unsigned char>(m_rtf[end]))) {
            value = value * 10 + (m_rtf[end] - '0');
            word.hasParameter = true;
            ++end;
        }
        if (!word.hasParameter)
            end = numberStart;
        const bool negative = numberStart < m_rtf.size() && m_rtf[numberStart] == '-';
        word.parameter = static_cast<int>(std::clamp(negative ? -value : value, -65536L, 65535L));
        word.delimited = end < m_rtf.size() && m_rtf[end] == ' ';
        word.end = end + (word.delimited ? 1 : 0);
        return word;
    }

    bool readControlWord()
    {
        const ControlWord word = controlWordAt(m_position);
        Group &group = m_groups.back();
        if (word.name == "bin")
            return false;
        if (word.name == "u" && word.hasParameter && !group.ignored)
            return readUnicode(word);
        if (word.name == "uc")
            group.unicodeSkip = std::clamp(word.parameter, 0, maximalUnicodeSkip);
        else if (word.name == "ansicpg")
            m_codePage = word.parameter;
        else if (characterSets.contains(word.name))
            m_codePage = characterSets.at(word.name);
        else if (word.name == "deff")
            m_defaultFont = word.parameter;
        else if (word.name == "f")
            (group.fontTable ? m_tableFont : group.font) = word.parameter;
        else if (word.name == "fcharset" && group.fontTable)
            m_fontCharsets[m_tableFont] = word.parameter;
        if (contains(ignoredDestinations, word.name)) {
            group.ignored = true;
            group.fontTable = group.fontTable || word.name == "fonttbl";
        }
        addMarkup(word.end, contains(textBreaks, word.name));
        m_afterControlWord = !word.delimited;
        return true;
    }

    bool readControlSymbol()
    {
        const char symbol = m_rtf[m_position + 1];
        if (symbol == '\'')
            return readHexCharacters();
        if (isEscapedText(symbol))
            addCharacter(m_position + 2, std::string(1, symbol));
        else {
            if (symbol == '*')
                m_groups.back().ignored = true;
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

    std::optional<std::string> decodedBytes(const std::string &bytes) const
    {
        if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte >= 0; }))
            return bytes;
        const int font = m_groups.back().font < 0 ? m_defaultFont : m_groups.back().font;
        const auto charset = m_fontCharsets.find(font);
        const int codePage = charset == m_fontCharsets.end() ? 0 : codePageOfCharset(charset->second);
        if (codePage < 0)
            return std::nullopt;
        return codePageToUtf8(static_cast<unsigned>(codePage == 0 ? m_codePage : codePage), bytes);
    }

    // \uN and the fallback characters after it; a surrogate pair is two of them.
    bool readUnicode(const ControlWord &word)
    {
        char32_t codePoint = static_cast<char32_t>(word.parameter < 0 ? word.parameter + 65536 : word.parameter);
        std::size_t end = skipFallback(word.end);
        if (codePoint >= 0xD800 && codePoint < 0xDC00 && m_rtf.substr(end, 2) == "\\u") {
            const ControlWord low = controlWordAt(end);
            const auto unit = static_cast<char32_t>(low.parameter < 0 ? low.parameter + 65536 : low.parameter);
            if (low.name == "u" && low.hasParameter && unit >= 0xDC00 && unit < 0xE000) {
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
        addPiece(m_pieces, m_position, end, std::nullopt, breaksText);
        m_position = end;
        m_afterControlWord = false;
    }

    void addCharacter(std::size_t end, std::string_view text)
    {
        if (m_groups.back().ignored) {
            addMarkup(end);
            return;
        }
        const std::size_t count = m_pieces.size();
        addPiece(m_pieces, m_position, end, text);
        if (m_pieces.size() > count) {
            m_pieces.back().unicodeSkip = m_groups.back().unicodeSkip;
            m_pieces.back().followsControlWord = m_afterControlWord;
        }
        m_position = end;
        m_afterControlWord = false;
    }

    std::string_view m_rtf;
    std::size_t m_position = 0;
    bool m_started = false;
    bool m_afterControlWord = false;
    std::vector<Group> m_groups;
    std::vector<DocumentPiece> m_pieces;
    int m_codePage = 1252;
    int m_defaultFont = 0;
    int m_tableFont = 0;
    std::map<int, int> m_fontCharsets;
};

} // namespace

DocumentPieces rtfPieces(std::string_view rtf)
{
    if (rtf.size() > richDocumentLimit)
        return std::nullopt;
    return RtfReader(rtf).pieces();
}

void appendRtfText(std::string &out, std::string_view text, const DocumentPiece &run)
{
    bool first = true;
    for (std::size_t position = 0; position < text.size();) {
        const Utf8Sequence sequence = decodeUtf8(text, position);
        position += sequence.length;
        const char32_t codePoint = sequence.codePoint;
        const auto byte = static_cast<unsigned char>(codePoint);
        const bool joinsControlWord = first && run.followsControlWord && (std::isalnum(byte) || byte == '-' || byte == ' ');
        first = false;
        if (codePoint < 0x80 && (byte == '\\' || byte == '{' || byte == '}')) {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (codePoint < 0x80 && byte >= 0x20 && byte != 0x7F && !joinsControlWord) {
            out += static_cast<char>(byte);
        } else {
            // \uN rather than \'hh, which would join a \'hh of the markup that follows. \uN takes
            // a signed 16-bit number, so characters past U+FFFF go as a surrogate pair.
            const bool pair = codePoint > 0xFFFF;
            const char32_t units[2] = {pair ? 0xD800 + ((codePoint - 0x10000) >> 10) : codePoint,
                                       0xDC00 + ((codePoint - 0x10000) & 0x3FF)};
            for (int unit = 0; unit < (pair ? 2 : 1); ++unit) {
                out += "\\u" + std::to_string(static_cast<int>(units[unit]) - (units[unit] > 0x7FFF ? 65536 : 0));
                out += run.unicodeSkip == 0 ? std::string(" ") : std::string(static_cast<std::size_t>(run.unicodeSkip), '?');
            }
        }
    }
}

} // namespace nimbrel
