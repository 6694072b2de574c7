#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// What an X11 target means to us: an alias of one of our identifiers gives that identifier, a
// pseudo-target (TARGETS, MULTIPLE, ...) or one of our derived identifiers gives the empty view,
// and any other target gives itself.
// Names are compared case-sensitively, as X11 atoms are.
std::string_view foldedTarget(std::string_view target);

// True for the markers password managers put on secrets, given the bytes of
// x-kde-passwordManagerHint (empty when the owner does not offer it).
bool isConcealedMarker(std::string_view target, std::string_view passwordManagerHint);

// An item's types from its owner's targets, in the owner's order: pseudo-targets dropped,
// aliases folded onto our identifiers at their first occurrence, concealed markers folded onto
// PasteboardTypeConcealed, every type once; FilenamesPboardType comes first when the owner
// offers at least one local file.
std::vector<std::string> foldTypes(const std::vector<std::string> &targets, std::string_view passwordManagerHint,
                                   bool hasLocalFiles);

} // namespace nimbrel
