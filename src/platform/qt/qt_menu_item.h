#pragma once

#include "platform/menu_item.h"

#include <QAction>
#include <QPointer>

namespace nimbrel {

// An entry of the status menu.
class QtMenuItem final : public MenuItem {
public:
    explicit QtMenuItem(QAction *action);

    void setEnabled(bool enabled) override;
    std::string title() const override;

    QAction *action() const { return m_action; }

private:
    QPointer<QAction> m_action;
};

} // namespace nimbrel
