#pragma once

#include "platform/qt/clipboard_offer.h"
#include "platform/qt/owner_contents.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace nimbrel {

// The most a kept copy may hold, all its kept types together: enough for any text, page or
// screenshot, while a hostile owner cannot make the program hold much.
inline constexpr std::size_t maxKeptBytes = std::size_t{32} << 20;

// Whether the program keeps a target's bytes for when its owner quits: text in its forms, HTML,
// RTF, file lists and PNG images. Pseudo-targets, the password manager's hint and application-private
// types are never kept: they mean something only to the program that offered them.
bool isKeptType(std::string_view target);

// What is left of maxKeptBytes after the kept types already read: the most a reading may take for
// a type it reads only to keep it.
std::size_t keptRoom(const OwnerContents &contents);

// The offer to serve in the owner's place once it has quit: the same bytes under each kept type
// that was read, in the owner's order, identical bytes under several types held once. nullptr
// when nothing is to be kept: the owner offers the password manager's hint, the read was cut short
// by its limits, the distinct kept bytes exceed maxKeptBytes, or no kept type was read.
std::shared_ptr<const ClipboardOffer> keptOffer(const OwnerContents &contents);

// Whether two kept copies are the same copy: the same types, in the same order, with the same
// bytes. Another keeper that took the clipboard over serves the copy the program kept.
bool sameKeptCopy(const ClipboardOffer &a, const ClipboardOffer &b);

} // namespace nimbrel
