#include "platform/qt/snapshot_building.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/file_list_parsing.h"
#include "platform/qt/snapshot_item.h"
#include "platform/qt/target_text_decoding.h"
#include "platform/qt/type_folding.h"

#include <algorithm>
#include <array>

namespace nimbrel {
namespace {

// Most preferred first: the forms that say they are UTF-8, then the unspecified one, then Latin-1.
constexpr std::array<std::string_view, 4> plainTextTargets{"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                                           "STRING"};
constexpr std::array<std::string_view, 3> rtfTargets{"text/rtf", "application/rtf", "text/richtext"};
constexpr std::array<std::string_view, 1> htmlTargets{"text/html"};
constexpr std::string_view uriListTarget = "text/uri-list";
constexpr std::string_view gnomeFilesTarget = "x-special/gnome-copied-files";
constexpr std::string_view passwordHintTarget = "x-kde-passwordManagerHint";

bool offers(const std::vector<std::string> &targets, std::string_view target)
{
    return std::find(targets.begin(), targets.end(), target) != targets.end();
}

template <std::size_t N>
std::string_view bestOffered(const std::vector<std::string> &targets, const std::array<std::string_view, N> &choices)
{
    for (const std::string_view choice : choices) {
        if (offers(targets, choice))
            return choice;
    }
    return {};
}

// The best of the choices that was read; null when none was.
using ReadTarget = std::pair<const std::string, std::string>;

template <std::size_t N>
ReadTarget *bestRead(OwnerContents &contents, const std::array<std::string_view, N> &choices)
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

std::vector<std::string> localFiles(const OwnerContents &contents, const ReadTarget *plainText)
{
    std::vector<std::string> files = parseUriList(bytesOf(contents, uriListTarget));
    if (files.empty())
        files = parseGnomeCopiedFiles(bytesOf(contents, gnomeFilesTarget));
    if (files.empty() && plainText)
        files = parseNautilusClipboard(plainText->second);
    return files;
}

} // namespace

std::vector<std::string> targetsToRead(const std::vector<std::string> &targets)
{
    std::vector<std::string> wanted;
    for (const std::string_view target :
         {bestOffered(targets, plainTextTargets), bestOffered(targets, rtfTargets), bestOffered(targets, htmlTargets)}) {
        if (!target.empty())
            wanted.emplace_back(target);
    }
    for (const std::string_view target : {uriListTarget, gnomeFilesTarget, passwordHintTarget}) {
        if (offers(targets, target))
            wanted.emplace_back(target);
    }
    return wanted;
}

ClipboardSnapshot snapshotOfOwner(OwnerContents contents)
{
    ReadTarget *plainText = bestRead(contents, plainTextTargets);
    std::vector<std::string> files = localFiles(contents, plainText);
    std::vector<std::string> types = foldTypes(contents.targets, bytesOf(contents, passwordHintTarget), !files.empty());
    if (types.empty())
        return {};

    // The texts are the last use of the owner's bytes, so they are moved rather than copied.
    std::vector<SnapshotItem::Text> texts;
    const auto addText = [&texts](std::string_view type, ReadTarget *source) {
        if (source)
            texts.emplace_back(type, decodedTargetText(source->first, std::move(source->second)));
    };
    addText(PasteboardTypeString, plainText);
    addText(PasteboardTypeRTF, bestRead(contents, rtfTargets));
    addText(PasteboardTypeHTML, bestRead(contents, htmlTargets));

    ClipboardSnapshot snapshot;
    snapshot.items.push_back(std::make_shared<const SnapshotItem>(std::move(types), std::move(texts)));
    if (!files.empty())
        snapshot.fileNames = std::move(files);
    return snapshot;
}

} // namespace nimbrel
