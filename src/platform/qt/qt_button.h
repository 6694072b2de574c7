#pragma once

#include "platform/button.h"

#include <QAbstractButton>
#include <QPointer>

namespace nimbrel {

// A check box (or the Run push button, which is never checked) of the interface description.
class QtButton final : public Button {
public:
    explicit QtButton(QAbstractButton *button);

    int state() const override;
    // Any non-zero state checks the box. Setting it does not count as a click: nothing is sent.
    void setState(int state) override;

    QAbstractButton *button() const { return m_button; }

private:
    QPointer<QAbstractButton> m_button;
};

} // namespace nimbrel
