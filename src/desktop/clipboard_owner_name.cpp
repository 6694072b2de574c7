#include "desktop/clipboard_owner_name.h"

#include <QFile>
#include <QGuiApplication>

#include <xcb/res.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace nimbrel {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Names are short: anything past this is not a name.
constexpr std::uint32_t longestName = 256;

xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QByteArray propertyBytes(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, longestName / 4),
                               nullptr),
        &std::free);
    if (!reply || reply->type != type)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

// The process of the window's client, as the X server knows it (X-Resource): it names a program
// whose window says nothing of it, as Qt's selection owner window (Klipper's) says nothing.
std::optional<std::uint32_t> clientProcess(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_res_client_id_spec_t spec{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    const Reply<xcb_res_query_client_ids_reply_t> reply(
        xcb_res_query_client_ids_reply(connection, xcb_res_query_client_ids(connection, 1, &spec), nullptr), &std::free);
    if (!reply)
        return std::nullopt;
    for (auto ids = xcb_res_query_client_ids_ids_iterator(reply.get()); ids.rem > 0; xcb_res_client_id_value_next(&ids)) {
        if ((ids.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) != 0
            && xcb_res_client_id_value_value_length(ids.data) == 1)
            return *xcb_res_client_id_value_value(ids.data);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> clipboardOwnerName()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return std::nullopt;
    const Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection,
                                      xcb_get_selection_owner(connection, atomNamed(connection, "CLIPBOARD")), nullptr),
        &std::free);
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return std::nullopt;
    // WM_CLASS is the instance name and the class name, each ending in NUL.
    const QByteArray instance = propertyBytes(connection, owner->owner, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING).split('\0').value(0);
    if (!instance.isEmpty())
        return QString::fromLocal8Bit(instance);
    const QByteArray pid = propertyBytes(connection, owner->owner, atomNamed(connection, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
    std::optional<std::uint32_t> process;
    if (pid.size() == sizeof(std::uint32_t))
        std::memcpy(&process.emplace(), pid.constData(), sizeof(std::uint32_t));
    else
        process = clientProcess(connection, owner->owner);
    if (!process)
        return std::nullopt;
    QFile command(QStringLiteral("/proc/%1/comm").arg(*process));
    if (!command.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray name = command.read(longestName).trimmed();
    return name.isEmpty() ? std::nullopt : std::optional(QString::fromLocal8Bit(name));
}

} // namespace nimbrel
