#pragma once

#include "platform/pasteboard_item.h"
#include "platform/qt/owner_contents.h"

#include <memory>
#include <vector>

class QMimeData;

namespace nimbrel {

// The MIME data Qt serves for items the program writes: each item's texts under the MIME names
// of their types, in the items' order. Plain text goes through QMimeData::setText, so Qt offers
// it as UTF8_STRING and the other X11 text targets too; the concealed marker becomes the hint
// password managers use. Where two items hold the same type, the first wins.
std::unique_ptr<QMimeData> mimeDataOf(const std::vector<std::shared_ptr<const StringPasteboardItem>> &items);

// MIME data this program holds (copied in one of its own windows) as an owner's contents: its
// formats in order and the bytes of those a snapshot needs.
OwnerContents contentsOf(const QMimeData &mimeData);

} // namespace nimbrel
