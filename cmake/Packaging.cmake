# `cpack -G DEB` in a build directory packages what `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME nimbrel)
set(CPACK_PACKAGE_VENDOR "The Nimbrel developers")
set(CPACK_PACKAGE_CONTACT "The Nimbrel developers <maintainers@nimbrel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clipboard utility for the desktop tray")
set(CPACK_PACKAGE_DESCRIPTION "Nimbrel watches the clipboard from the system tray, announces copied text
and files with desktop notifications, and rewrites clipboard text with seven
text actions, from its window, a keyboard shortcut (nimbrel --action) or D-Bus.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Depends are computed from the libraries the binary links, which bring the X11 platform plugin
# (libqt6gui6). The SVG plugins that draw the icons are only loaded at run time, so their
# package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Qt's Wayland platform plugin: the menu and windows go native on a Wayland desktop without XWayland;
# Qt's own translations, for the parts of the command line's help and errors that Qt writes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
