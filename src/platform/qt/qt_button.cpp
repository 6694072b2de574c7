#include "platform/qt/qt_button.h"

namespace nimbrel {

QtButton::QtButton(int state)
    : m_state(state)
{
}

int QtButton::state() const
{
    if (m_button != nullptr)
        return m_button->isChecked() ? 1 : 0;
    return m_state;
}

void QtButton::setState(int state)
{
    m_state = state != 0 ? 1 : 0;
    if (m_button != nullptr)
        m_button->setChecked(m_state != 0);
}

void QtButton::attach(QAbstractButton *button)
{
    m_button = button;
    if (m_button != nullptr)
        m_button->setChecked(m_state != 0);
}

} // namespace nimbrel
