#pragma once

#include "platform/status_item.h"

#include <QDBusConnection>

namespace nimbrel {

// The panel's tray: StatusNotifierItems on the session bus, or the X11 system tray.
class QtStatusBar final : public StatusBar {
public:
    explicit QtStatusBar(QDBusConnection bus) : m_bus(std::move(bus)) {}

    std::unique_ptr<StatusItem> statusItemWithVariableLength() override;

private:
    QDBusConnection m_bus;
};

} // namespace nimbrel
