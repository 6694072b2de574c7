#include "platform/qt/type_folding.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/target_names.h"

#include <algorithm>
#include <unordered_set>

namespace nimbrel {
namespace {

template <typename Names>
bool isOneOf(const Names &names, std::string_view target)
{
    return std::find(names.begin(), names.end(), target) != names.end();
}

bool isContentWeKnow(std::string_view type)
{
    return type == PasteboardTypeString || type == PasteboardTypeRTF || type == PasteboardTypeHTML;
}

} // namespace

std::string_view foldedTarget(std::string_view target)
{
    if (target.empty() || isOneOf(targets::pseudo, target))
        return {};
    // These two are derived from the owner's data; an owner naming them itself proves nothing.
    if (target == FilenamesPboardType || target == PasteboardTypeConcealed)
        return {};
    if (isOneOf(targets::plainTextRead, target) || isOneOf(targets::plainTextUnread, target))
        return PasteboardTypeString;
    if (isOneOf(targets::rtf, target))
        return PasteboardTypeRTF;
    if (isOneOf(targets::html, target))
        return PasteboardTypeHTML;
    return target;
}

bool isConcealedMarker(std::string_view target, std::string_view passwordManagerHint)
{
    return target == targets::concealedType
        || (target == targets::passwordManagerHint && passwordManagerHint == targets::passwordManagerSecret);
}

std::vector<std::string> foldTypes(const std::vector<std::string> &targets, std::string_view passwordManagerHint,
                                   bool hasLocalFiles)
{
    // Views into our constants or into targets, both of which outlive this call.
    std::vector<std::string_view> known;
    std::vector<std::string_view> others;
    std::unordered_set<std::string_view> seen;
    bool concealed = false;
    for (const std::string &target : targets) {
        if (isConcealedMarker(target, passwordManagerHint)) {
            concealed = true;
            continue;
        }
        const std::string_view type = foldedTarget(target);
        if (!type.empty() && seen.insert(type).second)
            (isContentWeKnow(type) ? known : others).push_back(type);
    }

    std::vector<std::string> types;
    types.reserve(known.size() + others.size() + 2);
    if (hasLocalFiles)
        types.emplace_back(FilenamesPboardType);
    types.insert(types.end(), known.begin(), known.end());
    if (concealed)
        types.emplace_back(PasteboardTypeConcealed);
    types.insert(types.end(), others.begin(), others.end());
    return types;
}

} // namespace nimbrel
