#include "platform/qt/qt_menu.h"

namespace nimbrel {

QtMenu::QtMenu(QMenu *menu)
    : m_menu(menu)
{
}

} // namespace nimbrel
