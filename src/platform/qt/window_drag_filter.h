#pragma once

#include <QObject>

namespace nimbrel {

// Lets the user move a frameless-feeling window by dragging any part of its background: a left
// press that no child widget took hands the move to the window manager.
class WindowDragFilter final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace nimbrel
