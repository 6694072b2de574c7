#pragma once

#include "platform/window.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace nimbrel {

class WindowDragFilter;

// A top-level widget of the interface description as the controller's Window. The description
// owns the widget; once it is gone every call does nothing. The widget is built when the window is
// first shown, never just to be hidden.
class QtWindow final : public Window {
public:
    explicit QtWindow(std::function<QWidget *()> build);

    void center() override;
    void orderFrontRegardless() override;
    void orderOut() override;
    void setMovableByWindowBackground(bool movable) override;
    // Leaves an unbuilt window unbuilt for good, once whoever builds it is gone.
    void stopBuilding() { m_build = nullptr; }

private:
    QWidget *shownWidget();
    void applyMovable();

    QPointer<QWidget> m_widget;
    std::function<QWidget *()> m_build;
    bool m_movable = false;
    // Owned by the widget.
    QPointer<WindowDragFilter> m_dragFilter;
};

} // namespace nimbrel
