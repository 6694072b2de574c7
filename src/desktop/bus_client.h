#pragma once

#include "desktop/bus_connection.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <string>

namespace nimbrel {

// The command line's way to the running Nimbrel over the session bus. It never starts one: the
// name's owner is looked up first and no call asks the bus to activate a service.
class BusClient final {
public:
    explicit BusClient(BusConnection &bus);

    // Whether a Nimbrel owns the bus name, asking the bus within the patience; when not, error() says why.
    bool instanceRunning(std::chrono::milliseconds patience);
    // The answer of a method that answers a Boolean, given the title when it takes one; nullopt
    // when the call failed.
    std::optional<bool> callForAnswer(const QString &method, const std::optional<QString> &title = std::nullopt);
    // The titles in menu order; nullopt when the call failed.
    std::optional<QStringList> textActionTitles();
    // Calls a method that takes and returns nothing; false when the call failed.
    bool callWithoutReply(const QString &method);
    // Why the last failed step failed, in one line, and the error's name where Nimbrel answered
    // with an error.
    QString error() const { return m_error; }
    const std::string &errorName() const { return m_errorName; }
    const QString &errorText() const { return m_errorText; }

private:
    // The reply, or nullptr when the call failed or the reply has another signature.
    BusMessage call(const QString &method, const std::optional<QString> &title, const char *replySignature);

    BusConnection &m_bus;
    QString m_error;
    std::string m_errorName;
    QString m_errorText;
};

} // namespace nimbrel
