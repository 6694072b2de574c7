#include "platform/qt/qt_application.h"

#include <QApplication>
#include <QWidget>

namespace nimbrel {

// X11 window managers decide focus themselves, so there is nothing to ignore and the flag is moot.
void QtApplication::activateIgnoringOtherApps([[maybe_unused]] bool flag)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            widget->activateWindow();
    }
}

} // namespace nimbrel
