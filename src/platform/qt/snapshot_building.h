#pragma once

#include "platform/qt/clipboard_offer.h"
#include "platform/qt/clipboard_snapshot.h"
#include "platform/qt/owner_contents.h"

#include <string>
#include <vector>

namespace nimbrel {

// The targets whose bytes a snapshot needs, out of those the owner offers, in the order to read
// them: the password manager's hint first (a secret must be known as one before anything else
// costs time), then plain text, the file lists, HTML and RTF. Each group holds alternatives, best
// first: read them in turn until one can be read (not refused, in time, not too large).
// While the program keeps the clipboard (keeping), every kept type offered follows, one group each,
// unless the owner offers the password manager's hint: a secret is never kept.
std::vector<std::vector<std::string>> targetsToRead(const std::vector<std::string> &targets, bool keeping = false);

// The snapshot of what an owner offered: one item, or none when it offers no content at all.
// A password manager's hint that the owner offers but that could not be read counts as "secret".
// A text with the same bytes as one of the kept copy's is held once, by both.
ClipboardSnapshot snapshotOfOwner(OwnerContents contents, const ClipboardOffer *kept = nullptr);

} // namespace nimbrel
