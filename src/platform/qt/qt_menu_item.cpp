#include "platform/qt/qt_menu_item.h"

namespace nimbrel {

QtMenuItem::QtMenuItem(QAction *action)
    : m_action(action)
{
}

void QtMenuItem::setEnabled(bool enabled)
{
    if (m_action != nullptr)
        m_action->setEnabled(enabled);
}

std::string QtMenuItem::title() const
{
    return m_action != nullptr ? m_action->text().toStdString() : std::string();
}

} // namespace nimbrel
