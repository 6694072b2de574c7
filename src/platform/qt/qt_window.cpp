#include "platform/qt/qt_window.h"

#include "platform/qt/window_drag_filter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace nimbrel {

QtWindow::QtWindow(QWidget *widget)
    : m_widget(widget)
{
}

void QtWindow::center()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (m_widget == nullptr || screen == nullptr)
        return;
    m_widget->adjustSize();
    m_widget->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_widget->size(),
                                              screen->availableGeometry()));
}

void QtWindow::orderFrontRegardless()
{
    if (m_widget == nullptr)
        return;
    m_widget->showNormal();
    m_widget->raise();
    m_widget->activateWindow();
}

void QtWindow::orderOut()
{
    if (m_widget != nullptr)
        m_widget->hide();
}

void QtWindow::setMovableByWindowBackground(bool movable)
{
    if (m_widget == nullptr || movable == (m_dragFilter != nullptr))
        return;
    if (movable) {
        m_dragFilter = new WindowDragFilter(m_widget);
        m_widget->installEventFilter(m_dragFilter);
    } else {
        delete m_dragFilter;
    }
}

} // namespace nimbrel
