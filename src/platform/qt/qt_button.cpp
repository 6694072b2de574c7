#include "platform/qt/qt_button.h"

namespace nimbrel {

QtButton::QtButton(QAbstractButton *button)
    : m_button(button)
{
}

int QtButton::state() const
{
    return m_button != nullptr && m_button->isChecked() ? 1 : 0;
}

void QtButton::setState(int state)
{
    if (m_button != nullptr)
        m_button->setChecked(state != 0);
}

} // namespace nimbrel
