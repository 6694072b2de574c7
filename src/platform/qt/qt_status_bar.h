#pragma once

#include "platform/status_item.h"

namespace nimbrel {

// The panel's system tray (the freedesktop tray protocol or StatusNotifierItem, as Qt finds it).
class QtStatusBar final : public StatusBar {
public:
    QtStatusBar() = default;

    std::unique_ptr<StatusItem> statusItemWithVariableLength() override;
};

} // namespace nimbrel
