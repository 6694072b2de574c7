#pragma once

#include <QString>

#include <optional>

namespace nimbrel {

// The name of the program that owns the X11 clipboard, as its window says (the instance part of
// WM_CLASS, else the command of the process _NET_WM_PID names), else the command of the process
// the X server knows the window's client by. None on Wayland, where owners are not known, or when
// neither the window nor the server tells.
std::optional<QString> clipboardOwnerName();

} // namespace nimbrel
