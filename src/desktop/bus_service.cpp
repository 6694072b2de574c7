#include "desktop/bus_service.h"

#include "app/app_delegate.h"
#include "desktop/keeper_aware_clearing.h"
#include "platform/qt/qt_pasteboard.h"
#include "textactions/text_action.h"

#include <QCoreApplication>
#include <QPointer>

#include <dbus/dbus.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

namespace nimbrel {

namespace {

struct Method {
    std::string_view name;
    std::string_view argumentName; // the one argument, or empty for none
    const char *argumentSignature;
    std::string_view resultSignature;
};

constexpr std::array methods{
    Method{"RunTextAction", "title", "s", "b"},
    Method{"ClearClipboard", "", "", ""},
    Method{"ShowSettings", "", "", ""},
    Method{"ShowPasteItemOptions", "", "", "b"},
    Method{"TextActionTitles", "", "", "as"},
};

std::string introspection()
{
    std::string xml = DBUS_INTROSPECT_1_0_XML_DOCTYPE_DECL_NODE "<node>\n <interface name=\""
        + std::string(BusService::serviceName) + "\">\n";
    for (const Method &method : methods) {
        xml += "  <method name=\"" + std::string(method.name) + "\">";
        if (!method.argumentName.empty())
            xml += "<arg name=\"" + std::string(method.argumentName) + "\" type=\"" + method.argumentSignature
                + "\" direction=\"in\"/>";
        if (!method.resultSignature.empty())
            xml += "<arg type=\"" + std::string(method.resultSignature) + "\" direction=\"out\"/>";
        xml += "</method>\n";
    }
    return xml + " </interface>\n <interface name=\"" DBUS_INTERFACE_INTROSPECTABLE "\">\n"
        "  <method name=\"Introspect\"><arg type=\"s\" direction=\"out\"/></method>\n </interface>\n"
        " <interface name=\"" DBUS_INTERFACE_PEER "\">\n  <method name=\"Ping\"/>\n"
        "  <method name=\"GetMachineId\"><arg type=\"s\" direction=\"out\"/></method>\n </interface>\n</node>\n";
}

std::string_view orEmpty(const char *text)
{
    return text ? std::string_view(text) : std::string_view();
}

BusMessage errorReply(const BusMessage &call, const char *name, const std::string &text)
{
    return adoptBusMessage(dbus_message_new_error(call.get(), name, text.c_str()));
}

BusMessage booleanReply(const BusMessage &call, bool value)
{
    BusMessage reply = adoptBusMessage(dbus_message_new_method_return(call.get()));
    const dbus_bool_t answer = value;
    if (reply)
        dbus_message_append_args(reply.get(), DBUS_TYPE_BOOLEAN, &answer, DBUS_TYPE_INVALID);
    return reply;
}

} // namespace

BusService::BusService(std::unique_ptr<BusConnection> connection, AppDelegate &delegate, QtPasteboard &pasteboard,
                       KeeperAwareClearing &clearing, QObject *parent)
    : QObject(parent)
    , m_delegate(delegate)
    , m_pasteboard(pasteboard)
    , m_clearing(clearing)
    , m_connection(std::move(connection))
{
}

BusService::~BusService() = default;

bool BusService::serve()
{
    return m_connection->serve(objectPath, [this](const BusMessage &call) { receive(call); });
}

void BusService::receive(const BusMessage &call)
{
    DBusMessage *message = call.get();
    const std::string_view interface = orEmpty(dbus_message_get_interface(message));
    const std::string_view member = orEmpty(dbus_message_get_member(message));
    if (interface == DBUS_INTERFACE_INTROSPECTABLE && member == "Introspect") {
        BusMessage reply = adoptBusMessage(dbus_message_new_method_return(message));
        const std::string xml = introspection();
        const char *text = xml.c_str();
        if (reply)
            dbus_message_append_args(reply.get(), DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
        answer(call, std::move(reply));
        return;
    }
    const auto method = std::find_if(methods.begin(), methods.end(), [&](const Method &m) { return m.name == member; });
    if ((!interface.empty() && interface != serviceName) || method == methods.end()) {
        answer(call, errorReply(call, DBUS_ERROR_UNKNOWN_METHOD,
                                "No method " + std::string(member) + " in " + std::string(interface)));
        return;
    }
    if (!dbus_message_has_signature(message, method->argumentSignature)) {
        answer(call, errorReply(call, DBUS_ERROR_INVALID_ARGS,
                                std::string(member) + " takes (" + method->argumentSignature + ")"));
        return;
    }
    std::string title;
    if (!method->argumentName.empty()) {
        DBusMessageIter arguments;
        const char *text = "";
        if (dbus_message_iter_init(message, &arguments))
            dbus_message_iter_get_basic(&arguments, &text);
        // Only as much of the text as could pass is looked at: a huge one costs no more.
        if (strnlen(text, longestTitle + 1) > longestTitle) {
            const std::string why =
                QCoreApplication::translate("BusService", "no text action's title is longer than %1 bytes")
                    .arg(longestTitle)
                    .toStdString();
            answer(call, errorReply(call, DBUS_ERROR_INVALID_ARGS, why));
            return;
        }
        title = text;
    }
    QMetaObject::invokeMethod(
        this, [this, call, member = std::string(member), title] { perform(call, member, title); },
        Qt::QueuedConnection);
}

void BusService::perform(const BusMessage &call, const std::string &member, const std::string &title)
{
    if (member == "RunTextAction") {
        // Answered once the pasteboard is current; at once when it already is. While the clipboard
        // is out of reach nothing can be rewritten, whatever the last snapshot holds.
        m_pasteboard.whenCurrent([this, call, title] {
            if (!m_pasteboard.reachable()) {
                answer(call, booleanReply(call, false));
                return;
            }
            // Answered when the action is done, which the service may not live to see.
            m_delegate.runTextAction(title, [service = QPointer<BusService>(this), call](bool rewritten) {
                if (service)
                    service->answer(call, booleanReply(call, rewritten));
            });
        });
        return;
    }
    if (member == "ShowPasteItemOptions") {
        m_pasteboard.whenCurrent([this, call] { answer(call, booleanReply(call, m_delegate.showPasteItemOptions())); });
        return;
    }
    if (member == "ClearClipboard" && !m_pasteboard.reachable()) {
        answer(call, errorReply(call, DBUS_ERROR_FAILED,
                                QCoreApplication::translate("BusService", "the clipboard cannot be reached").toStdString()));
        return;
    }
    if (member == "ClearClipboard") {
        m_clearing.clear([service = QPointer<BusService>(this), call](const std::optional<QString> &putBackBy) {
            if (!service)
                return;
            if (!putBackBy) {
                service->answer(call, adoptBusMessage(dbus_message_new_method_return(call.get())));
                return;
            }
            service->answer(call, errorReply(call, contentsPutBackError, contentsPutBackMessage(*putBackBy).toStdString()));
        });
        return;
    }
    BusMessage reply = adoptBusMessage(dbus_message_new_method_return(call.get()));
    if (member == "TextActionTitles" && reply) {
        DBusMessageIter iterator;
        DBusMessageIter array;
        dbus_message_iter_init_append(reply.get(), &iterator);
        dbus_message_iter_open_container(&iterator, DBUS_TYPE_ARRAY, DBUS_TYPE_STRING_AS_STRING, &array);
        for (const std::string_view title : textActionTitles()) {
            const std::string text(title);
            const char *pointer = text.c_str();
            dbus_message_iter_append_basic(&array, DBUS_TYPE_STRING, &pointer);
        }
        dbus_message_iter_close_container(&iterator, &array);
    } else if (member == "ShowSettings") {
        m_delegate.showSettings();
    }
    answer(call, std::move(reply));
}

void BusService::answer(const BusMessage &call, BusMessage reply)
{
    if (reply && !dbus_message_get_no_reply(call.get()))
        m_connection->send(std::move(reply));
}

} // namespace nimbrel
