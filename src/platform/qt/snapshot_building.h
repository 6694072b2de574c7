#pragma once

#include "platform/qt/clipboard_snapshot.h"
#include "platform/qt/owner_contents.h"

#include <string>
#include <vector>

namespace nimbrel {

// The targets whose bytes a snapshot needs, out of those the owner offers: the best plain-text
// form, the first RTF form, HTML, the file lists and the password manager hint.
std::vector<std::string> targetsToRead(const std::vector<std::string> &targets);

// The snapshot of what an owner offered: one item, or none when it offers no content at all.
ClipboardSnapshot snapshotOfOwner(OwnerContents contents);

} // namespace nimbrel
