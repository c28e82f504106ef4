# Every external dependency is found here, once. The Debian packages that provide them are listed
# in scripts/debian-packages.txt.
find_package(Threads REQUIRED)
find_package(ICU 72 REQUIRED COMPONENTS uc i18n)
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets DBus Network Svg Test)
find_package(nlohmann_json 3.10 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(Systemd REQUIRED IMPORTED_TARGET libsystemd)
pkg_check_modules(Xcb REQUIRED IMPORTED_TARGET xcb)
pkg_check_modules(XcbInput REQUIRED IMPORTED_TARGET xcb-xinput)
# QtDBus's own library, for the limits QtDBus does not expose.
pkg_check_modules(DBus1 REQUIRED IMPORTED_TARGET dbus-1)
pkg_check_modules(WaylandClient REQUIRED IMPORTED_TARGET wayland-client wayland-cursor)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
if(NOT WAYLAND_SCANNER OR NOT WAYLAND_PROTOCOLS_DIR)
  message(FATAL_ERROR "wayland-scanner (libwayland-bin) and wayland-protocols are needed: scripts/install-dependencies installs them")
endif()
find_program(SCDOC scdoc)
if(NOT SCDOC)
  message(FATAL_ERROR "scdoc is needed to write the manual pages: scripts/install-dependencies installs it")
endif()
find_program(GZIP gzip REQUIRED)
pkg_check_modules(Sodium REQUIRED IMPORTED_TARGET libsodium)
pkg_check_modules(Archive REQUIRED IMPORTED_TARGET libarchive)
if(QUILLON_BUILD_TESTS)
  find_package(GTest REQUIRED)
  # KDE's fake-input protocol, which the KWin tests drive a pointer and a finger with.
  find_package(PlasmaWaylandProtocols 1.10 REQUIRED)
endif()
if(QUILLON_BUILD_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()

# A static library of the client code wayland-scanner makes from protocol descriptions: a header
# per protocol (<name>-client.h, in the library's include folder) and its interface tables.
function(quillon_add_wayland_protocols name)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(sources)
  foreach(xml ${ARGN})
    get_filename_component(protocol ${xml} NAME_WE)
    set(header ${generated}/${protocol}-client.h)
    set(code ${generated}/${protocol}-protocol.c)
    add_custom_command(OUTPUT ${header} ${code}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
      COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${header}
      COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${code}
      DEPENDS ${xml}
      COMMENT "Generating the client code of ${protocol}")
    list(APPEND sources ${header} ${code})
  endforeach()
  add_library(${name} STATIC ${sources})
  set_target_properties(${name} PROPERTIES LINKER_LANGUAGE C)
  target_include_directories(${name} PUBLIC ${generated})
  target_link_libraries(${name} PUBLIC PkgConfig::WaylandClient)
endfunction()
