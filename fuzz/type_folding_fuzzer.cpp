// Folding an owner's X11 targets onto our type identifiers. The input's first byte says whether
// the owner offers local files; the rest is newline-separated: the x-kde-passwordManagerHint
// bytes, then one target a line.

#include "platform/qt/type_folding.h"

#include "platform/pasteboard_types.h"

#include "fuzz_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 4> pseudoTargets{"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS"};

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 1);
    }
}

bool contains(const std::vector<std::string> &list, std::string_view value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool hasLocalFiles = (data[0] & 1) != 0;
    std::vector<std::string> targets = linesOf(std::string_view(reinterpret_cast<const char *>(data) + 1, size - 1));
    const std::string hint = targets.front();
    targets.erase(targets.begin());

    const std::vector<std::string> types = nimbrel::foldTypes(targets, hint, hasLocalFiles);

    NIMBREL_FUZZ_CHECK(types.size() <= targets.size() + 1);
    for (std::size_t i = 0; i < types.size(); ++i) {
        NIMBREL_FUZZ_CHECK(!types[i].empty());
        NIMBREL_FUZZ_CHECK(std::find(pseudoTargets.begin(), pseudoTargets.end(), types[i]) == pseudoTargets.end());
        NIMBREL_FUZZ_CHECK(std::find(types.begin() + static_cast<std::ptrdiff_t>(i) + 1, types.end(), types[i])
                           == types.end());
    }
    // The file list is ours to derive: present, and first, exactly when the owner has local files.
    NIMBREL_FUZZ_CHECK(contains(types, nimbrel::FilenamesPboardType) == hasLocalFiles);
    if (hasLocalFiles)
        NIMBREL_FUZZ_CHECK(types.front() == nimbrel::FilenamesPboardType);

    bool concealed = false;
    for (const std::string &target : targets) {
        const bool marker = nimbrel::isConcealedMarker(target, hint);
        concealed = concealed || marker;
        const std::string_view folded = nimbrel::foldedTarget(target);
        // Every content target survives, folded; folding twice changes nothing more.
        if (!marker && !folded.empty())
            NIMBREL_FUZZ_CHECK(contains(types, folded));
        NIMBREL_FUZZ_CHECK(folded.empty() || nimbrel::foldedTarget(folded) == folded);
        if (std::find(pseudoTargets.begin(), pseudoTargets.end(), target) != pseudoTargets.end())
            NIMBREL_FUZZ_CHECK(folded.empty());
    }
    NIMBREL_FUZZ_CHECK(contains(types, nimbrel::PasteboardTypeConcealed) == concealed);
    return 0;
}
