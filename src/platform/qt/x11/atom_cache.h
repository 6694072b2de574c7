#pragma once

#include <xcb/xcb.h>

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nimbrel {

// Atom names of one X connection. Atoms live as long as the server, so names once learnt are
// kept: those the program interned for good, and a bounded number of others' names, forgotten all
// at once when a misbehaving owner invents atoms without end.
class AtomCache {
public:
    explicit AtomCache(xcb_connection_t *connection);

    // The atom of the name, created if needed; XCB_ATOM_NONE when the server does not answer.
    // Asked once per name.
    xcb_atom_t intern(std::string_view name);
    // Interns all the names in one round trip.
    void internAll(std::span<const std::string_view> names);
    // The names of the atoms in order: those interned here, and of the others the first
    // `othersAsked` distinct ones, asked for in one round trip; atoms without a name are left out.
    std::vector<std::string> names(std::span<const xcb_atom_t> atoms, std::size_t othersAsked);

private:
    xcb_connection_t *m_connection = nullptr;
    std::unordered_map<xcb_atom_t, std::string> m_interned;
    std::unordered_map<std::string, xcb_atom_t> m_atoms;
    std::unordered_map<xcb_atom_t, std::string> m_others;
};

} // namespace nimbrel
