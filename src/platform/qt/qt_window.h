#pragma once

#include "platform/window.h"

#include <QPointer>
#include <QWidget>

namespace nimbrel {

class WindowDragFilter;

// A top-level widget of the interface description as the controller's Window. The description
// owns the widget; once it is gone every call does nothing.
class QtWindow final : public Window {
public:
    explicit QtWindow(QWidget *widget);

    void center() override;
    void orderFrontRegardless() override;
    void orderOut() override;
    void setMovableByWindowBackground(bool movable) override;

private:
    QPointer<QWidget> m_widget;
    // Owned by the widget.
    QPointer<WindowDragFilter> m_dragFilter;
};

} // namespace nimbrel
