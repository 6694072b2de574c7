#include "platform/qt/snapshot_building.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/file_list_parsing.h"
#include "platform/qt/kept_contents.h"
#include "platform/qt/snapshot_item.h"
#include "platform/qt/target_names.h"
#include "platform/qt/target_text_decoding.h"
#include "platform/qt/type_folding.h"

#include <algorithm>
#include <span>
#include <unordered_set>

namespace nimbrel {
namespace {

using ReadTarget = std::pair<const std::string, std::string>;

// The best of the choices that was read; null when none was.
ReadTarget *bestRead(OwnerContents &contents, std::span<const std::string_view> choices)
{
    for (const std::string_view choice : choices) {
        const auto found = contents.data.find(choice);
        if (found != contents.data.end())
            return &*found;
    }
    return nullptr;
}

std::string_view bytesOf(const OwnerContents &contents, std::string_view target)
{
    const auto found = contents.data.find(target);
    return found == contents.data.end() ? std::string_view() : std::string_view(found->second);
}

bool offers(const std::vector<std::string> &targets, std::string_view target)
{
    return std::find(targets.begin(), targets.end(), target) != targets.end();
}

// A hint that could not be read may well say "secret": hiding a text is the lesser harm.
std::string_view passwordManagerHint(const OwnerContents &contents)
{
    const auto found = contents.data.find(targets::passwordManagerHint);
    if (found != contents.data.end())
        return found->second;
    return offers(contents.targets, targets::passwordManagerHint) ? targets::passwordManagerSecret : "";
}

std::vector<std::string> localFiles(const OwnerContents &contents, const ReadTarget *plainText)
{
    std::vector<std::string> files = parseUriList(bytesOf(contents, targets::fileLists[0]));
    if (files.empty())
        files = parseGnomeCopiedFiles(bytesOf(contents, targets::fileLists[1]));
    if (files.empty() && plainText)
        files = parseNautilusClipboard(plainText->second);
    return files;
}

} // namespace

std::vector<std::vector<std::string>> targetsToRead(const std::vector<std::string> &targets, bool keeping)
{
    const std::unordered_set<std::string_view> offered(targets.begin(), targets.end());
    std::vector<std::vector<std::string>> groups;
    const auto addGroup = [&](std::span<const std::string_view> choices) {
        std::vector<std::string> group;
        for (const std::string_view choice : choices) {
            if (offered.contains(choice))
                group.emplace_back(choice);
        }
        if (!group.empty())
            groups.push_back(std::move(group));
    };
    addGroup(std::span(&targets::passwordManagerHint, 1));
    addGroup(targets::plainTextRead);
    addGroup(targets::fileLists);
    addGroup(targets::html);
    addGroup(targets::rtf);
    if (!keeping || offered.contains(targets::passwordManagerHint))
        return groups;
    // Those read as an alternative above are not asked for again.
    for (const std::string &target : targets) {
        if (isKeptType(target))
            groups.push_back({target});
    }
    return groups;
}

ClipboardSnapshot snapshotOfOwner(OwnerContents contents, const ClipboardOffer *kept)
{
    ReadTarget *plainText = bestRead(contents, targets::plainTextRead);
    std::vector<std::string> files = localFiles(contents, plainText);
    std::vector<std::string> types = foldTypes(contents.targets, passwordManagerHint(contents), !files.empty());
    if (types.empty())
        return {};

    // The texts are the last use of the owner's bytes, so they are moved rather than copied.
    std::vector<SnapshotItem::Text> texts;
    const auto addText = [&texts, kept](std::string_view type, ReadTarget *source) {
        if (!source)
            return;
        std::string text = decodedTargetText(source->first, std::move(source->second));
        const SharedText *same = kept ? kept->find(source->first) : nullptr;
        texts.emplace_back(type, same && same->str() == text ? *same : SharedText(std::move(text)));
    };
    addText(PasteboardTypeString, plainText);
    addText(PasteboardTypeRTF, bestRead(contents, targets::rtf));
    addText(PasteboardTypeHTML, bestRead(contents, targets::html));

    ClipboardSnapshot snapshot;
    snapshot.items.push_back(std::make_shared<const SnapshotItem>(std::move(types), std::move(texts)));
    if (!files.empty())
        snapshot.fileNames = std::move(files);
    return snapshot;
}

} // namespace nimbrel
