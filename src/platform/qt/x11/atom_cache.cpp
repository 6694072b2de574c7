#include "platform/qt/x11/atom_cache.h"

#include "platform/qt/x11/xcb_pointer.h"

namespace nimbrel {
namespace {

constexpr std::size_t maximumCachedNames = 4096;

} // namespace

AtomCache::AtomCache(xcb_connection_t *connection)
    : m_connection(connection)
{
}

xcb_atom_t AtomCache::intern(std::string_view name)
{
    const std::string key(name);
    if (const auto known = m_atoms.find(key); known != m_atoms.end())
        return known->second;
    const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const XcbPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
    if (!reply)
        return XCB_ATOM_NONE;
    m_atoms.emplace(key, reply->atom);
    return reply->atom;
}

std::vector<std::string> AtomCache::names(const std::vector<xcb_atom_t> &atoms)
{
    if (m_names.size() + atoms.size() > maximumCachedNames)
        m_names.clear();
    std::vector<std::pair<xcb_atom_t, xcb_get_atom_name_cookie_t>> asked;
    for (const xcb_atom_t atom : atoms) {
        if (!m_names.contains(atom))
            asked.emplace_back(atom, xcb_get_atom_name(m_connection, atom));
    }
    for (const auto &[atom, cookie] : asked) {
        const XcbPointer<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(m_connection, cookie, nullptr));
        m_names[atom] = reply ? std::string(xcb_get_atom_name_name(reply.get()),
                                            static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get())))
                              : std::string();
    }
    std::vector<std::string> result;
    result.reserve(atoms.size());
    for (const xcb_atom_t atom : atoms)
        result.push_back(m_names[atom]);
    return result;
}

} // namespace nimbrel
