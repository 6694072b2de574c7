// HTML as the text actions see it: character data is text, everything else is markup. Tags are
// read with their quoted attribute values, so a '>' inside a value does not end them; comments,
// CDATA, doctypes and the content of script, style, title and textarea are markup whole.
// Entities are decoded for the transformation; one this reader does not know stays markup, like
// a tag, so no character is ever guessed. Inline elements join the text around them, block
// elements and <br> break it.
#include "textactions/marked_up_text.h"

#include "platform/string_operations.h"
#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace nimbrel {
namespace {

constexpr std::array<std::string_view, 48> blockElements{
    "address", "article", "aside", "blockquote", "body", "br", "caption", "center", "dd", "details", "dialog",
    "dir", "div", "dl", "dt", "fieldset", "figcaption", "figure", "footer", "form", "h1", "h2", "h3", "h4", "h5",
    "h6", "head", "header", "hr", "html", "li", "main", "menu", "nav", "ol", "p", "pre", "section", "summary",
    "table", "tbody", "td", "tfoot", "th", "thead", "tr", "ul", "option"};
constexpr std::array<std::string_view, 4> rawTextElements{"script", "style", "title", "textarea"};

// Latin-1's named characters, U+00A0 onwards, in order.
constexpr std::string_view latin1Entities =
    "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg plusmn sup2 sup3 acute "
    "micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave Aacute Acirc Atilde Auml Aring "
    "AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml ETH Ntilde Ograve Oacute Ocirc Otilde Ouml "
    "times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig agrave aacute acirc atilde auml aring aelig ccedil "
    "egrave eacute ecirc euml igrave iacute icirc iuml eth ntilde ograve oacute ocirc otilde ouml divide oslash "
    "ugrave uacute ucirc uuml yacute thorn yuml ";
struct NamedCharacter {
    std::string_view name;
    char32_t codePoint = 0;
};
constexpr std::array<NamedCharacter, 27> otherEntities{{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"OElig", U'\u0152'},
    {"oelig", U'\u0153'}, {"Scaron", U'\u0160'}, {"scaron", U'\u0161'}, {"Yuml", U'\u0178'}, {"ensp", U'\u2002'},
    {"emsp", U'\u2003'}, {"thinsp", U'\u2009'}, {"ndash", U'\u2013'}, {"mdash", U'\u2014'}, {"lsquo", U'\u2018'},
    {"rsquo", U'\u2019'}, {"sbquo", U'\u201A'}, {"ldquo", U'\u201C'}, {"rdquo", U'\u201D'}, {"bdquo", U'\u201E'},
    {"dagger", U'\u2020'}, {"Dagger", U'\u2021'}, {"bull", U'\u2022'}, {"hellip", U'\u2026'}, {"euro", U'\u20AC'},
    {"trade", U'\u2122'},
}};

bool isAsciiLetter(char byte)
{
    return std::isalpha(static_cast<unsigned char>(byte)) != 0;
}

std::string lowercaseAscii(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char byte) { return static_cast<char>(std::tolower(static_cast<unsigned char>(byte))); });
    return lowered;
}

// The character that a named or numeric reference stands for; 0 when it is not one this reader
// decodes with certainty.
char32_t referencedCharacter(std::string_view reference)
{
    if (reference.starts_with('#')) {
        const bool hex = reference.size() > 1 && (reference[1] == 'x' || reference[1] == 'X');
        const std::string_view digits = reference.substr(hex ? 2 : 1);
        char32_t value = 0;
        for (const char digit : digits) {
            const int number = std::isdigit(static_cast<unsigned char>(digit))
                ? digit - '0'
                : (hex && std::isxdigit(static_cast<unsigned char>(digit)) ? std::tolower(digit) - 'a' + 10 : -1);
            if (number < 0 || value > 0x10FFFF)
                return 0;
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(number);
        }
        const bool scalar = value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        return !digits.empty() && scalar && (value >= 0xA0 || (value >= 0x20 && value < 0x7F) || value == '\t' || value == '\n')
            ? value
            : 0;
    }
    for (std::size_t start = 0, index = 0; start < latin1Entities.size(); ++index) {
        const std::size_t end = latin1Entities.find(' ', start);
        if (latin1Entities.substr(start, end - start) == reference)
            return static_cast<char32_t>(0xA0 + index);
        start = end + 1;
    }
    const auto found = std::find_if(otherEntities.begin(), otherEntities.end(),
                                    [reference](const NamedCharacter &entity) { return entity.name == reference; });
    return found == otherEntities.end() ? 0 : found->codePoint;
}

class HtmlReader {
public:
    explicit HtmlReader(std::string_view html)
        : m_html(html)
    {
    }

    std::vector<DocumentPiece> pieces()
    {
        while (m_position < m_html.size()) {
            const char byte = m_html[m_position];
            if (byte == '<' && readMarkup())
                continue;
            if (byte == '&' && readReference())
                continue;
            const std::size_t next = std::min(m_html.find_first_of("<&", m_position + 1), m_html.size());
            addText(next, validUtf8(m_html.substr(m_position, next - m_position)));
        }
        return std::move(m_pieces);
    }

private:
    std::size_t endOf(std::string_view terminator, std::size_t from) const
    {
        const std::size_t found = m_html.find(terminator, from);
        return found == std::string_view::npos ? m_html.size() : found + terminator.size();
    }

    // The end of a tag: its '>' outside quoted attribute values, or the end of the document.
    std::size_t tagEnd(std::size_t from) const
    {
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

    bool readMarkup()
    {
        const std::string_view rest = m_html.substr(m_position);
        if (rest.starts_with("<!--")) {
            addMarkup(endOf("-->", m_position + 2), false);
        } else if (rest.starts_with("<![CDATA[")) {
            addMarkup(endOf("]]>", m_position + 9), false);
        } else if (rest.starts_with("<!") || rest.starts_with("<?") || rest.starts_with("</")) {
            const bool endTag = rest.starts_with("</") && rest.size() > 2 && isAsciiLetter(rest[2]);
            const std::string name = endTag ? tagName(m_position + 2) : std::string();
            addMarkup(endOf(">", m_position + 2), isBlock(name));
        } else if (rest.size() > 1 && isAsciiLetter(rest[1])) {
            const std::string name = tagName(m_position + 1);
            const std::size_t end = tagEnd(m_position + 1);
            // XHTML writers close an empty title as <title/>: then no raw text follows.
            const bool selfClosing = m_html.substr(0, end).ends_with("/>");
            addMarkup(end, isBlock(name));
            if (!selfClosing && std::find(rawTextElements.begin(), rawTextElements.end(), name) != rawTextElements.end())
                skipRawText(name);
        } else {
            return false;
        }
        return true;
    }

    std::string tagName(std::size_t from) const
    {
        const std::size_t end = std::min(m_html.find_first_of(" \t\n\r\f/>", from), m_html.size());
        return lowercaseAscii(m_html.substr(from, end - from));
    }

    static bool isBlock(const std::string &name)
    {
        return std::find(blockElements.begin(), blockElements.end(), name) != blockElements.end();
    }

    // The content of a raw-text element up to its end tag, whose name may be in any case.
    void skipRawText(const std::string &name)
    {
        std::size_t end = m_html.find("</", m_position);
        while (end != std::string_view::npos && lowercaseAscii(m_html.substr(end + 2, name.size())) != name)
            end = m_html.find("</", end + 2);
        end = std::min(end, m_html.size());
        if (end > m_position)
            addMarkup(end, false);
    }

    bool readReference()
    {
        const std::size_t semicolon = m_html.find(';', m_position + 1);
        const std::size_t nameEnd = std::min(m_html.find_first_not_of(
            "#0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", m_position + 1), m_html.size());
        if (semicolon != nameEnd || nameEnd == m_position + 1)
            return false;
        const char32_t character = referencedCharacter(m_html.substr(m_position + 1, nameEnd - m_position - 1));
        if (character == 0) {
            addMarkup(semicolon + 1, false);
        } else {
            std::string text;
            appendUtf8(text, character);
            addText(semicolon + 1, text);
        }
        return true;
    }

    void addMarkup(std::size_t end, bool breaksText)
    {
        addPiece(m_pieces, m_position, end, std::nullopt, breaksText);
        m_position = end;
    }

    void addText(std::size_t end, std::string_view text)
    {
        addPiece(m_pieces, m_position, end, text);
        m_position = end;
    }

    std::string_view m_html;
    std::size_t m_position = 0;
    std::vector<DocumentPiece> m_pieces;
};

} // namespace

DocumentPieces htmlPieces(std::string_view html)
{
    if (html.size() > richDocumentLimit)
        return std::nullopt;
    return HtmlReader(html).pieces();
}

void appendHtmlText(std::string &out, std::string_view text, const DocumentPiece &)
{
    for (const char byte : text) {
        switch (byte) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += byte; break;
        }
    }
}

} // namespace nimbrel
