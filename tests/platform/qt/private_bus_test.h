#pragma once

#include <QDBusConnection>
#include <QProcess>

#include <gtest/gtest.h>

namespace nimbrel {

// A bus daemon of the test's own (private_bus.conf), so nothing reaches the desktop's bus.
class PrivateBusTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                                       QStringLiteral("--config-file=" NIMBREL_PRIVATE_BUS_CONFIG)});
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

    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

} // namespace nimbrel
