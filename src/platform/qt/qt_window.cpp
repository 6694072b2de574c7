#include "platform/qt/qt_window.h"

#include "platform/qt/window_drag_filter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace nimbrel {

QtWindow::QtWindow(std::function<QWidget *()> build)
    : m_build(std::move(build))
{
}

QWidget *QtWindow::shownWidget()
{
    if (m_widget == nullptr && m_build) {
        m_widget = std::exchange(m_build, {})();
        // Marked as a dialog, a window floats in tiling window managers (X11 and XWayland) rather
        // than being stretched over the workspace. A native Wayland window has no such mark:
        // sway and its kind float one whose size is fixed, so it keeps its natural size there.
        m_widget->setWindowFlag(Qt::Dialog);
        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            m_widget->setFixedSize(m_widget->sizeHint());
        applyMovable();
    }
    return m_widget;
}

void QtWindow::center()
{
    QWidget *widget = shownWidget();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (widget == nullptr || screen == nullptr)
        return;
    widget->adjustSize();
    widget->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, widget->size(),
                                            screen->availableGeometry()));
}

void QtWindow::orderFrontRegardless()
{
    QWidget *widget = shownWidget();
    if (widget == nullptr)
        return;
    // A Wayland compositor does not bring forward a window that is already shown when it is asked
    // to activate it (sway marks it urgent at most; a native window needs a token that a second
    // start lacks), but gives the focus to a window as it appears: such a window appears again.
    if (widget->isVisible() && !widget->isActiveWindow() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        widget->hide();
    widget->showNormal();
    widget->raise();
    widget->activateWindow();
}

void QtWindow::orderOut()
{
    if (m_widget != nullptr)
        m_widget->hide();
}

void QtWindow::setMovableByWindowBackground(bool movable)
{
    m_movable = movable;
    applyMovable();
}

void QtWindow::applyMovable()
{
    if (m_widget == nullptr || m_movable == (m_dragFilter != nullptr))
        return;
    if (m_movable) {
        m_dragFilter = new WindowDragFilter(m_widget);
        m_widget->installEventFilter(m_dragFilter);
    } else {
        delete m_dragFilter;
    }
}

} // namespace nimbrel
