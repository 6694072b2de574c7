#include "platform/qt/kept_contents.h"

#include "platform/qt/target_names.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <array>
#include <span>
#include <vector>

namespace nimbrel {
namespace {

// Spellings of plain text that owners offer besides those the snapshot reads.
constexpr std::array<std::string_view, 2> otherPlainText{"text/plain;charset=UTF-8", "UTF-8"};
constexpr std::string_view pngImage = "image/png";

bool isAmong(std::string_view target, std::span<const std::string_view> names)
{
    return std::find(names.begin(), names.end(), target) != names.end();
}

} // namespace

bool isKeptType(std::string_view target)
{
    return isAmong(target, targets::plainTextRead) || isAmong(target, targets::plainTextUnread)
        || isAmong(target, otherPlainText) || isAmong(target, targets::rtf)
        || isAmong(target, targets::html) || isAmong(target, targets::fileLists) || target == pngImage;
}

std::size_t keptRoom(const OwnerContents &contents)
{
    std::size_t bytes = 0;
    for (const auto &[target, data] : contents.data) {
        if (isKeptType(target))
            bytes += data.size();
    }
    return bytes >= maxKeptBytes ? 0 : maxKeptBytes - bytes;
}

std::shared_ptr<const ClipboardOffer> keptOffer(const OwnerContents &contents)
{
    // Said once for each copy, which is read once: the user would otherwise expect it kept.
    const auto tooLarge = [] {
        std::fprintf(stderr, "nimbrel: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "KeptContents", "a copy of more than %1 MiB is not kept when the program that copied it quits")
                             .arg(maxKeptBytes >> 20)));
        return nullptr;
    };
    const auto &targets = contents.targets;
    if (std::find(targets.begin(), targets.end(), targets::passwordManagerHint) != targets.end())
        return nullptr;
    if (contents.tooLarge)
        return tooLarge();
    if (contents.limited)
        return nullptr;
    auto offer = std::make_shared<ClipboardOffer>();
    std::size_t bytes = 0;
    // Owners offer one text under several names (GTK: UTF8_STRING, text/plain and
    // text/plain;charset=utf-8): the same bytes are kept, and counted, once.
    std::vector<SharedText> distinct;
    const auto shared = [&](const std::string &source) {
        const auto same = std::find_if(distinct.begin(), distinct.end(), [&](const SharedText &text) { return text.str() == source; });
        if (same != distinct.end())
            return *same;
        bytes += source.size();
        return distinct.emplace_back(source);
    };
    for (const std::string &target : targets) {
        const auto found = contents.data.find(target);
        if (!isKeptType(target) || found == contents.data.end() || offer->find(target))
            continue;
        offer->formats.emplace_back(target, shared(found->second));
        if (const auto type = contents.answerTypes.find(target); type != contents.answerTypes.end())
            offer->answerTypes.insert(*type);
    }
    if (bytes > maxKeptBytes)
        return tooLarge();
    if (offer->formats.empty())
        return nullptr;
    return offer;
}

bool sameKeptCopy(const ClipboardOffer &a, const ClipboardOffer &b)
{
    return a.answerTypes == b.answerTypes
        && std::equal(a.formats.begin(), a.formats.end(), b.formats.begin(), b.formats.end(),
                      [](const auto &x, const auto &y) { return x.first == y.first && x.second.str() == y.second.str(); });
}

} // namespace nimbrel
