#pragma once

namespace nimbrel {

// A check box; its state is 1 when on and 0 when off.
class Button {
public:
    Button() = default;
    virtual ~Button() = default;
    Button(const Button &) = delete;
    Button &operator=(const Button &) = delete;

    virtual int state() const = 0;
    virtual void setState(int state) = 0;
};

} // namespace nimbrel
