#pragma once

namespace nimbrel {

// Whether the desktop starts the program when the user logs in. The state lives outside the
// program, where the user may change it too, so it is asked for anew rather than remembered.
class LoginItem {
public:
    LoginItem() = default;
    virtual ~LoginItem() = default;
    LoginItem(const LoginItem &) = delete;
    LoginItem &operator=(const LoginItem &) = delete;

    // Whether the program starts at the next login; false when that cannot be told.
    virtual bool isEnabled() const = 0;
    // Makes the program start at login, or not; false, with things left as they were, when the
    // change could not be made.
    virtual bool setEnabled(bool enabled) = 0;
};

} // namespace nimbrel
