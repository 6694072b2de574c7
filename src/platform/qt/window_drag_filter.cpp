#include "platform/qt/window_drag_filter.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace nimbrel {

bool WindowDragFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    QWindow *window = widget != nullptr ? widget->window()->windowHandle() : nullptr;
    // Platforms without system moves (offscreen, some Wayland setups) keep the press as it was.
    return window != nullptr && window->startSystemMove();
}

} // namespace nimbrel
