// What owners put on the X11 clipboard: their target lists, folded onto our types, and their file
// lists. The first byte picks what the rest is: 0 to 3 a file list (text/uri-list,
// x-special/gnome-copied-files, the older nautilus text, a single URI); 4 and 5 a target list
// (newline-separated after the x-kde-passwordManagerHint bytes), 5 from an owner with local files.

#include "platform/pasteboard_types.h"
#include "platform/qt/file_list_parsing.h"
#include "platform/qt/type_folding.h"

#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A file URI for the path, every byte but '/' percent-encoded.
std::string fileUri(std::string_view path, std::string_view host)
{
    std::string uri = "file://" + std::string(host);
    for (const char c : path)
        uri += c == '/' ? std::string("/") : std::string{'%', "0123456789ABCDEF"[(c >> 4) & 0xF], "0123456789ABCDEF"[c & 0xF]};
    return uri;
}

// Every path usable and no more paths than lines; each survives being written back as a file URI.
void checkPaths(const std::vector<std::string> &paths, std::string_view text)
{
    NIMBREL_FUZZ_CHECK(paths.size() <= static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1);
    for (const std::string &path : paths) {
        NIMBREL_FUZZ_CHECK(path.starts_with('/') && path.find('\0') == std::string::npos);
        NIMBREL_FUZZ_CHECK(nimbrel::fuzzing::isWellFormedUtf8(path));
        for (const std::string_view host : {"", "localhost"})
            NIMBREL_FUZZ_CHECK(nimbrel::localPathOfUri(fileUri(path, host)) == path);
        NIMBREL_FUZZ_CHECK(!nimbrel::localPathOfUri(fileUri(path, "elsewhere.example")));
    }
}

void checkFolding(std::string_view text, bool hasLocalFiles)
{
    std::vector<std::string> targets;
    for (std::size_t end = 0; end != std::string_view::npos; text.remove_prefix(end + 1)) {
        end = text.find('\n');
        targets.emplace_back(text.substr(0, end));
    }
    const std::string hint = targets.front();
    targets.erase(targets.begin());
    const std::vector<std::string> types = nimbrel::foldTypes(targets, hint, hasLocalFiles);
    for (auto type = types.begin(); type != types.end(); ++type) {
        NIMBREL_FUZZ_CHECK(!type->empty() && std::find(type + 1, types.end(), *type) == types.end());
        NIMBREL_FUZZ_CHECK(*type != "TARGETS" && *type != "MULTIPLE" && *type != "TIMESTAMP" && *type != "SAVE_TARGETS");
    }
    // The file list is ours to derive: present, and first, exactly when the owner has local files.
    NIMBREL_FUZZ_CHECK(std::ranges::count(types, nimbrel::FilenamesPboardType) == hasLocalFiles);
    NIMBREL_FUZZ_CHECK(!hasLocalFiles || types.front() == nimbrel::FilenamesPboardType);
    bool concealed = false;
    for (const std::string &target : targets) {
        const bool marker = nimbrel::isConcealedMarker(target, hint);
        const std::string_view folded = nimbrel::foldedTarget(target);
        concealed = concealed || marker;
        // Every content target survives, folded; folding twice changes nothing more.
        NIMBREL_FUZZ_CHECK(marker || folded.empty() || std::ranges::count(types, folded) == 1);
        NIMBREL_FUZZ_CHECK(folded.empty() || nimbrel::foldedTarget(folded) == folded);
    }
    NIMBREL_FUZZ_CHECK(std::ranges::count(types, nimbrel::PasteboardTypeConcealed) == concealed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    switch (data[0] % 6) {
    case 0:
        checkPaths(nimbrel::parseUriList(text), text);
        // The same list under a copy or cut header, in either file-manager form, gives the same paths.
        NIMBREL_FUZZ_CHECK(nimbrel::parseGnomeCopiedFiles("copy\n" + text) == nimbrel::parseUriList(text));
        NIMBREL_FUZZ_CHECK(nimbrel::parseNautilusClipboard("x-special/nautilus-clipboard\ncut\r\n" + text)
                           == nimbrel::parseUriList(text));
        break;
    case 1: checkPaths(nimbrel::parseGnomeCopiedFiles(text), text); break;
    case 2: checkPaths(nimbrel::parseNautilusClipboard(text), text); break;
    case 3:
        if (const auto path = nimbrel::localPathOfUri(text))
            checkPaths({*path}, text);
        break;
    default: checkFolding(text, data[0] % 6 == 5);
    }
    return 0;
}
