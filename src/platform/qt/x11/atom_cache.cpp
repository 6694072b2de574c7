#include "platform/qt/x11/atom_cache.h"

#include "platform/qt/x11/xcb_pointer.h"

#include <algorithm>

namespace nimbrel {
namespace {

constexpr std::size_t mostOtherNamesKept = 4096;

} // namespace

AtomCache::AtomCache(xcb_connection_t *connection)
    : m_connection(connection)
{
}

xcb_atom_t AtomCache::intern(std::string_view name)
{
    if (const auto known = m_atoms.find(std::string(name)); known != m_atoms.end())
        return known->second;
    internAll(std::span(&name, 1));
    const auto known = m_atoms.find(std::string(name));
    return known == m_atoms.end() ? xcb_atom_t{XCB_ATOM_NONE} : known->second;
}

void AtomCache::internAll(std::span<const std::string_view> names)
{
    std::vector<std::pair<std::string_view, xcb_intern_atom_cookie_t>> asked;
    for (const std::string_view name : names) {
        if (!m_atoms.contains(std::string(name))) {
            const auto length = static_cast<std::uint16_t>(name.size());
            asked.emplace_back(name, xcb_intern_atom(m_connection, 0, length, name.data()));
        }
    }
    for (const auto &[name, cookie] : asked) {
        const XcbPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
        if (!reply)
            continue;
        m_atoms.emplace(name, reply->atom);
        m_interned.emplace(reply->atom, name);
    }
}

std::vector<std::string> AtomCache::names(std::span<const xcb_atom_t> atoms, std::size_t othersAsked)
{
    std::vector<std::pair<xcb_atom_t, xcb_get_atom_name_cookie_t>> asked;
    for (const xcb_atom_t atom : atoms) {
        if (asked.size() == othersAsked)
            break;
        const bool known = m_interned.contains(atom) || m_others.contains(atom)
            || std::any_of(asked.begin(), asked.end(), [atom](const auto &other) { return other.first == atom; });
        if (!known)
            asked.emplace_back(atom, xcb_get_atom_name(m_connection, atom));
    }
    if (m_others.size() + asked.size() > mostOtherNamesKept)
        m_others.clear();
    for (const auto &[atom, cookie] : asked) {
        const XcbPointer<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(m_connection, cookie, nullptr));
        if (reply)
            m_others.emplace(atom, std::string(xcb_get_atom_name_name(reply.get()),
                                               static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get()))));
    }
    std::vector<std::string> result;
    result.reserve(atoms.size());
    for (const xcb_atom_t atom : atoms) {
        if (const auto interned = m_interned.find(atom); interned != m_interned.end())
            result.push_back(interned->second);
        else if (const auto other = m_others.find(atom); other != m_others.end())
            result.push_back(other->second);
    }
    return result;
}

} // namespace nimbrel
