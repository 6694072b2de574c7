#pragma once

#include "platform/button.h"

#include <QAbstractButton>
#include <QPointer>

namespace nimbrel {

// A check box (or the Run push button, which is never checked) of the interface description. Its
// window may be built after the controller has set its state, so the button keeps the state until
// it is attached to the widget, which then holds it.
class QtButton final : public Button {
public:
    explicit QtButton(int state = 0);

    int state() const override;
    // Any non-zero state checks the box. Setting it does not count as a click: nothing is sent.
    void setState(int state) override;
    void attach(QAbstractButton *button);

    QAbstractButton *button() const { return m_button; }

private:
    int m_state = 0;
    QPointer<QAbstractButton> m_button;
};

} // namespace nimbrel
