# Client code for the Wayland protocols in third_party/wayland-protocols, generated at build time
# with wayland-scanner into the library nimbrel_wayland_protocols.
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)

set(_nimbrel_protocol_dir ${PROJECT_SOURCE_DIR}/third_party/wayland-protocols)
# Ninja makes the folder of a command's output before running it; Unix Makefiles, CMake's default
# generator and debhelper's, does not, and wayland-scanner cannot open its output without it.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols)
set(_nimbrel_protocol_sources)
foreach(_protocol ext-data-control-v1 wlr-data-control-unstable-v1)
  set(_xml ${_nimbrel_protocol_dir}/${_protocol}.xml)
  set(_header ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols/${_protocol}-client-protocol.h)
  set(_code ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols/${_protocol}-protocol.c)
  add_custom_command(OUTPUT ${_header}
    COMMAND ${WAYLAND_SCANNER} client-header ${_xml} ${_header}
    DEPENDS ${_xml} VERBATIM)
  add_custom_command(OUTPUT ${_code}
    COMMAND ${WAYLAND_SCANNER} private-code ${_xml} ${_code}
    DEPENDS ${_xml} VERBATIM)
  list(APPEND _nimbrel_protocol_sources ${_header} ${_code})
endforeach()

add_library(nimbrel_wayland_protocols STATIC ${_nimbrel_protocol_sources})
target_include_directories(nimbrel_wayland_protocols PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols)
target_link_libraries(nimbrel_wayland_protocols PUBLIC PkgConfig::WAYLAND_CLIENT)
