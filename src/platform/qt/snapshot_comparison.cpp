#include "platform/qt/snapshot_comparison.h"

#include <algorithm>

namespace nimbrel {

bool sameContents(const ClipboardSnapshot &a, const ClipboardSnapshot &b)
{
    const auto sameItem = [](const auto &x, const auto &y) {
        const std::vector<std::string> types = x->types();
        return types == y->types() && std::all_of(types.begin(), types.end(), [&](const std::string &type) {
                   return x->stringForType(type) == y->stringForType(type);
               });
    };
    return a.fileNames == b.fileNames
        && std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(), sameItem);
}

} // namespace nimbrel
