#pragma once

#include <xcb/xcb.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nimbrel {

// Atom names of one X connection. Atoms live as long as the server, so names once asked for are
// kept; a misbehaving owner inventing atoms without end only makes the cache start over.
class AtomCache {
public:
    explicit AtomCache(xcb_connection_t *connection);

    // The atom of the name, created if needed; XCB_ATOM_NONE when the server does not answer.
    // Asked once per name.
    xcb_atom_t intern(std::string_view name);
    // The names of the atoms in order, asked for in one round trip; "" for an unknown atom.
    std::vector<std::string> names(const std::vector<xcb_atom_t> &atoms);

private:
    xcb_connection_t *m_connection = nullptr;
    std::unordered_map<xcb_atom_t, std::string> m_names;
    std::unordered_map<std::string, xcb_atom_t> m_atoms;
};

} // namespace nimbrel
