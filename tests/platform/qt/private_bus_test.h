#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace nimbrel {

// A fixture with a bus daemon of the test's own (private_bus.conf), so nothing reaches the
// desktop's bus. Bus messages from one connection arrive in the order they were sent, so a check
// that something did not happen waits for something sent after it, never for a while.
class PrivateBusTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_daemon.start("dbus-daemon", {"--nofork", "--print-address=1", "--config-file=" NIMBREL_PRIVATE_BUS_CONFIG});
        ASSERT_TRUE(m_daemon.waitForReadyRead(60000)) << "dbus-daemon did not start";
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
    }
    void TearDown() override
    {
        for (const QString &name : m_connections)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    QDBusConnection connectToBus()
    {
        m_connections << QStringLiteral("private-bus-%1").arg(m_connections.size());
        return QDBusConnection::connectToBus(m_address, m_connections.back());
    }
    // The deadline only ends a failing test.
    static bool waitUntil(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 60000); }

    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

} // namespace nimbrel
