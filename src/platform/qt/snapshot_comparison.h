#pragma once

#include "platform/qt/clipboard_snapshot.h"

namespace nimbrel {

// Whether two snapshots hold the same items, with the same types and bytes, and the same files.
bool sameContents(const ClipboardSnapshot &a, const ClipboardSnapshot &b);

} // namespace nimbrel
