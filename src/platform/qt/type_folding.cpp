#include "platform/qt/type_folding.h"

#include "platform/pasteboard_types.h"

#include <algorithm>
#include <array>
#include <utility>

namespace nimbrel {
namespace {

// Targets that ask the owner to do something or describe the transfer rather than hold content.
constexpr std::array<std::string_view, 21> pseudoTargets{
    "TARGETS",     "MULTIPLE",      "TIMESTAMP", "SAVE_TARGETS",       "DELETE",      "INSERT_SELECTION",
    "INSERT_PROPERTY", "LENGTH",    "LIST_LENGTH", "CLIENT_WINDOW",    "HOST_NAME",   "USER",
    "PROCESS",     "TASK",          "OWNER_OS",  "NAME",               "CHARACTER_POSITION", "LINE_NUMBER",
    "COLUMN_NUMBER", "SPAN",        "IP_ADDRESS",
};

constexpr std::array<std::pair<std::string_view, std::string_view>, 10> aliases{{
    {"text/plain", PasteboardTypeString},
    {"text/plain;charset=utf-8", PasteboardTypeString},
    {"UTF8_STRING", PasteboardTypeString},
    {"STRING", PasteboardTypeString},
    {"TEXT", PasteboardTypeString},
    {"COMPOUND_TEXT", PasteboardTypeString},
    {"text/rtf", PasteboardTypeRTF},
    {"application/rtf", PasteboardTypeRTF},
    {"text/richtext", PasteboardTypeRTF},
    {"text/html", PasteboardTypeHTML},
}};

constexpr std::string_view kdePasswordHint = "x-kde-passwordManagerHint";
constexpr std::string_view concealedType = "org.nspasteboard.ConcealedType";

} // namespace

std::string_view foldedTarget(std::string_view target)
{
    if (target.empty() || std::find(pseudoTargets.begin(), pseudoTargets.end(), target) != pseudoTargets.end())
        return {};
    // These two are derived from the owner's data; an owner naming them itself proves nothing.
    if (target == FilenamesPboardType || target == PasteboardTypeConcealed)
        return {};
    for (const auto &[alias, type] : aliases) {
        if (alias == target)
            return type;
    }
    return target;
}

bool isConcealedMarker(std::string_view target, std::string_view passwordManagerHint)
{
    return target == concealedType || (target == kdePasswordHint && passwordManagerHint == "secret");
}

std::vector<std::string> foldTypes(const std::vector<std::string> &targets, std::string_view passwordManagerHint,
                                   bool hasLocalFiles)
{
    std::vector<std::string> types;
    types.reserve(targets.size() + 1);
    if (hasLocalFiles)
        types.emplace_back(FilenamesPboardType);
    for (const auto &target : targets) {
        const std::string_view type =
            isConcealedMarker(target, passwordManagerHint) ? PasteboardTypeConcealed : foldedTarget(target);
        // Owners offer a handful of targets, so a linear look-up beats building a set.
        if (!type.empty() && std::find(types.begin(), types.end(), type) == types.end())
            types.emplace_back(type);
    }
    return types;
}

} // namespace nimbrel
