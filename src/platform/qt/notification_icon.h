#pragma once

#include <QString>

namespace nimbrel {

// How notifications and panels are shown Nimbrel's icon. Both find the icon the package installs
// into the hicolor theme by its name; a build run from its source tree has none installed, so
// notification daemons get a picture of it in a file instead.
struct NotificationIcon {
    QString appIcon;   // the theme icon's name, or empty
    QString imagePath; // for the "image-path" hint: a file:// URI, or empty
};

// Whether the icon is installed where the icon theme looks (XDG_DATA_HOME and XDG_DATA_DIRS).
bool iconInstalled();

// The installed icon's name; otherwise the icon drawn into a PNG file in the runtime folder (the
// session's, removed when the user logs out), or, where that cannot be written, the name all the same.
NotificationIcon notificationIcon();

} // namespace nimbrel
