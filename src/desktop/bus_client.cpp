#include "desktop/bus_client.h"

#include "desktop/bus_service.h"

#include <dbus/dbus.h>

#include <QByteArray>
#include <QCoreApplication>

namespace nimbrel {

namespace {

// A text action waits up to the clipboard read's time limit for the copy before it, then runs.
constexpr std::chrono::seconds answerPatience{25};

} // namespace

BusClient::BusClient(BusConnection &bus)
    : m_bus(bus)
{
}

bool BusClient::instanceRunning(std::chrono::milliseconds patience)
{
    const BusMessage question = adoptBusMessage(
        dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "NameHasOwner"));
    const char *name = BusService::serviceName;
    dbus_bool_t owned = FALSE;
    std::string error;
    const BusMessage reply =
        question && dbus_message_append_args(question.get(), DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID)
        ? m_bus.call(question, patience, error)
        : BusMessage();
    if (!reply || !dbus_message_get_args(reply.get(), nullptr, DBUS_TYPE_BOOLEAN, &owned, DBUS_TYPE_INVALID)) {
        m_error = QCoreApplication::translate("BusClient", "the session bus did not answer: %1")
                      .arg(QString::fromStdString(error));
        return false;
    }
    if (!owned) {
        m_error = QCoreApplication::translate("BusClient", "Nimbrel is not running");
        return false;
    }
    return true;
}

std::optional<bool> BusClient::callForAnswer(const QString &method, const std::optional<QString> &title)
{
    const BusMessage reply = call(method, title, DBUS_TYPE_BOOLEAN_AS_STRING);
    dbus_bool_t answer = FALSE;
    if (!reply || !dbus_message_get_args(reply.get(), nullptr, DBUS_TYPE_BOOLEAN, &answer, DBUS_TYPE_INVALID))
        return std::nullopt;
    return answer != FALSE;
}

std::optional<QStringList> BusClient::textActionTitles()
{
    const BusMessage reply = call(QStringLiteral("TextActionTitles"), std::nullopt, "as");
    if (!reply)
        return std::nullopt;
    QStringList titles;
    DBusMessageIter arguments;
    DBusMessageIter array;
    dbus_message_iter_init(reply.get(), &arguments);
    dbus_message_iter_recurse(&arguments, &array);
    for (; dbus_message_iter_get_arg_type(&array) == DBUS_TYPE_STRING; dbus_message_iter_next(&array)) {
        const char *title = nullptr;
        dbus_message_iter_get_basic(&array, &title);
        titles << QString::fromUtf8(title);
    }
    return titles;
}

bool BusClient::callWithoutReply(const QString &method)
{
    return call(method, std::nullopt, "") != nullptr;
}

BusMessage BusClient::call(const QString &method, const std::optional<QString> &title, const char *replySignature)
{
    const QByteArray member = method.toUtf8();
    const BusMessage message = adoptBusMessage(dbus_message_new_method_call(
        BusService::serviceName, BusService::objectPath, BusService::serviceName, member.constData()));
    if (!message) {
        m_error = QCoreApplication::translate("BusClient", "out of memory");
        return nullptr;
    }
    dbus_message_set_auto_start(message.get(), FALSE);
    const QByteArray text = title.value_or(QString()).toUtf8();
    const char *argument = text.constData();
    if (title)
        dbus_message_append_args(message.get(), DBUS_TYPE_STRING, &argument, DBUS_TYPE_INVALID);
    std::string error;
    BusMessage reply = m_bus.call(message, answerPatience, error, &m_errorName);
    if (!reply) {
        m_errorText = QString::fromStdString(error);
        //: %1 is the name of a method of the scripting interface, %2 why it failed
        m_error = QCoreApplication::translate("BusClient", "%1 failed: %2").arg(method, m_errorText);
        return nullptr;
    }
    if (!dbus_message_has_signature(reply.get(), replySignature)) {
        m_error = QCoreApplication::translate("BusClient", "Nimbrel answered %1 with an unexpected reply").arg(method);
        return nullptr;
    }
    return reply;
}

} // namespace nimbrel
