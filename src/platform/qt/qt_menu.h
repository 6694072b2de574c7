#pragma once

#include "platform/menu_item.h"

#include <QMenu>
#include <QPointer>

namespace nimbrel {

// The status menu, handed to the status item.
class QtMenu final : public Menu {
public:
    explicit QtMenu(QMenu *menu);

    QMenu *menu() const { return m_menu; }

private:
    QPointer<QMenu> m_menu;
};

} // namespace nimbrel
