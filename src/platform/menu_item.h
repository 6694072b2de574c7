#pragma once

#include <string>

namespace nimbrel {

// A menu entry: of the status menu or of the text actions' pop-up list.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem &) = delete;
    MenuItem &operator=(const MenuItem &) = delete;

    virtual void setEnabled(bool enabled) = 0;
    // The entry's title as the program names it, in English whatever language it is shown in;
    // empty when it has none.
    virtual std::string title() const = 0;
};

// The status menu; the program only hands it to the status item.
class Menu {
public:
    Menu() = default;
    virtual ~Menu() = default;
    Menu(const Menu &) = delete;
    Menu &operator=(const Menu &) = delete;
};

} // namespace nimbrel
