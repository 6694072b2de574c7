#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// What an owner's target (an X11 target name or a Wayland MIME type) means to us: an alias of one
// of our identifiers gives that identifier, a pseudo-target (TARGETS, MULTIPLE, LENGTH, ...) or one
// of our derived identifiers gives the empty view, and any other target gives itself.
// Names are compared case-sensitively, as X11 atoms are.
std::string_view foldedTarget(std::string_view target);

// True for the markers password managers put on secrets, given the bytes of
// x-kde-passwordManagerHint (empty when the owner does not offer it).
bool isConcealedMarker(std::string_view target, std::string_view passwordManagerHint);

// An item's types from its owner's targets, each once, in linear time: FilenamesPboardType first
// when the owner offers at least one local file, then plain text, RTF and HTML in the owner's
// order, PasteboardTypeConcealed for a concealed marker, and last every other content target in
// the owner's order. Owners list private and descriptive targets anywhere, often first, so the
// owner's order ranks only the types we know: what we do not know never comes first.
std::vector<std::string> foldTypes(const std::vector<std::string> &targets, std::string_view passwordManagerHint,
                                   bool hasLocalFiles);

} // namespace nimbrel
