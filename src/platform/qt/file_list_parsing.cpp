#include "platform/qt/file_list_parsing.h"

#include "platform/string_operations.h"

namespace nimbrel {
namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Escapes that are not two hex digits stay as they are; nullopt when the path would hold a NUL,
// which no file name can.
std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                const char byte = static_cast<char>(high * 16 + low);
                if (byte == '\0')
                    return std::nullopt;
                bytes.push_back(byte);
                i += 2;
                continue;
            }
        }
        bytes.push_back(text[i]);
    }
    return bytes;
}

std::string_view trimmed(std::string_view line)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blank(line.back()))
        line.remove_suffix(1);
    return line;
}

// Calls visit(line) for each line, trimmed, CRLF and LF alike.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        visit(trimmed(text.substr(0, end)));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

std::string_view firstLine(std::string_view text)
{
    return trimmed(text.substr(0, text.find('\n')));
}

std::string_view afterFirstLine(std::string_view text)
{
    const std::size_t end = text.find('\n');
    return end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
}

bool isCopyOrCut(std::string_view line)
{
    return line == "copy" || line == "cut";
}

} // namespace

std::optional<std::string> localPathOfUri(std::string_view uri)
{
    constexpr std::string_view scheme = "file:";
    if (uri.size() < scheme.size() || !equalsIgnoringAsciiCase(uri.substr(0, scheme.size()), scheme))
        return std::nullopt;
    std::string_view rest = uri.substr(scheme.size());
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t pathStart = rest.find('/');
        if (pathStart == std::string_view::npos)
            return std::nullopt;
        const std::string_view host = rest.substr(0, pathStart);
        if (!host.empty() && !equalsIgnoringAsciiCase(host, "localhost"))
            return std::nullopt;
        rest.remove_prefix(pathStart);
    }
    rest = rest.substr(0, rest.find_first_of("?#"));
    if (!rest.starts_with('/') || rest.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::optional<std::string> path = percentDecoded(rest);
    if (!path)
        return std::nullopt;
    return validUtf8(*path);
}

std::vector<std::string> parseUriList(std::string_view text)
{
    // PCManFM ends its lists with a NUL, as a C string; a NUL anywhere else spoils its line.
    while (text.ends_with('\0'))
        text.remove_suffix(1);
    std::vector<std::string> paths;
    forEachLine(text, [&paths](std::string_view line) {
        if (line.empty() || line.front() == '#')
            return;
        if (std::optional<std::string> path = localPathOfUri(line))
            paths.push_back(std::move(*path));
    });
    return paths;
}

std::vector<std::string> parseGnomeCopiedFiles(std::string_view text)
{
    if (!isCopyOrCut(firstLine(text)))
        return {};
    return parseUriList(afterFirstLine(text));
}

std::vector<std::string> parseNautilusClipboard(std::string_view text)
{
    if (firstLine(text) != "x-special/nautilus-clipboard")
        return {};
    return parseGnomeCopiedFiles(afterFirstLine(text));
}

} // namespace nimbrel
