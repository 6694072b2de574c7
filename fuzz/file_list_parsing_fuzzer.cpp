// File lists as owners put them on the X11 clipboard. The input's first byte picks the form
// (text/uri-list, x-special/gnome-copied-files, the older nautilus text, or a single URI); the
// rest is the owner's bytes. Every path must be a usable local path: non-empty, absolute, valid
// UTF-8, without NUL. Each path found must also survive being written back as a file URI.

#include "platform/qt/file_list_parsing.h"

#include "fuzz_check.h"
#include "utf8_oracle.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void checkPath(std::string_view path)
{
    NIMBREL_FUZZ_CHECK(!path.empty());
    NIMBREL_FUZZ_CHECK(path.front() == '/');
    NIMBREL_FUZZ_CHECK(path.find('\0') == std::string_view::npos);
    NIMBREL_FUZZ_CHECK(nimbrel::fuzzing::isWellFormedUtf8(path));
}

// A file URI for the path, every byte other than an unreserved one or '/' percent-encoded.
std::string fileUri(std::string_view path, std::string_view host)
{
    constexpr std::string_view hexDigits = "0123456789ABCDEF";
    std::string uri = "file://";
    uri += host;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
            || byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == '/';
        if (plain) {
            uri.push_back(c);
        } else {
            uri.push_back('%');
            uri.push_back(hexDigits[byte >> 4]);
            uri.push_back(hexDigits[byte & 0xF]);
        }
    }
    return uri;
}

void checkPaths(const std::vector<std::string> &paths, std::string_view text)
{
    std::size_t lines = 1;
    for (const char c : text)
        lines += c == '\n' ? 1 : 0;
    NIMBREL_FUZZ_CHECK(paths.size() <= lines);
    for (const std::string &path : paths) {
        checkPath(path);
        NIMBREL_FUZZ_CHECK(nimbrel::localPathOfUri(fileUri(path, "")) == path);
        NIMBREL_FUZZ_CHECK(nimbrel::localPathOfUri(fileUri(path, "localhost")) == path);
        NIMBREL_FUZZ_CHECK(!nimbrel::localPathOfUri(fileUri(path, "elsewhere.example")));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0: {
        const std::vector<std::string> paths = nimbrel::parseUriList(text);
        checkPaths(paths, text);
        // The same list under a copy or cut header, in either file-manager form, gives the same paths.
        NIMBREL_FUZZ_CHECK(nimbrel::parseGnomeCopiedFiles("copy\n" + std::string(text)) == paths);
        NIMBREL_FUZZ_CHECK(nimbrel::parseNautilusClipboard("x-special/nautilus-clipboard\ncut\r\n" + std::string(text))
                           == paths);
        break;
    }
    case 1:
        checkPaths(nimbrel::parseGnomeCopiedFiles(text), text);
        break;
    case 2:
        checkPaths(nimbrel::parseNautilusClipboard(text), text);
        break;
    default:
        if (const std::optional<std::string> path = nimbrel::localPathOfUri(text))
            checkPaths({*path}, text);
        break;
    }
    return 0;
}
