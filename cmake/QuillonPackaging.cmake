# Packages made with CPack: a Debian package that installs under /usr, and the tarball people
# download, which runs from wherever it is unpacked and updates itself. The tarball holds the
# layout the updater works in: versions/<version>/ with the release, `current` linking to it, and
# launchers that go through `current`:
#
#   Quillon-<version>-Linux/quillon             launchers (packaging/launcher.sh) that start
#   Quillon-<version>-Linux/quillon-widgets     current/bin/<program>
#   Quillon-<version>-Linux/current -> versions/<version>
#   Quillon-<version>-Linux/versions/<version>/{bin,lib,share}
set(CPACK_PACKAGE_NAME "quillon")
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon <${QUILLON_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dot-matrix display studio and desktop widgets")
# The package's long description, under the summary; CPack indents it and marks the empty lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Quillon is a studio that shows the time, the date, progress through a period,
a countdown or a message in a 5 × 7 dot font, on round dots and split-flap
tiles, in eight colour themes. It has six displays: a world board of city
times, a clock, the day, progress through the day, week, month or year, a
countdown and a sign. Each comes in four sizes.

Its widget host puts the displays on the desktop as widgets, on X11 and on
Wayland desktops, where they follow the studio's settings and keep time on
their own.

Command-line tools draw any display as a picture, as the scene it is built
from or as text, for scripts, status bars and e-ink panels.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUILLON_WEBSITE_URL}")
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its X11 platform plug-in there; links open through xdg-open; the bus starts the widget
# host and brings the studio forward.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils, dbus-user-session | dbus-x11")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/QuillonCPackOptions.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "
if(CPACK_GENERATOR STREQUAL \"DEB\")
  set(CPACK_PACKAGING_INSTALL_PREFIX \"/usr\")
elseif(CPACK_GENERATOR STREQUAL \"TGZ\")
  set(CPACK_PACKAGING_INSTALL_PREFIX \"/versions/${PROJECT_VERSION}\")
  set(CPACK_PACKAGE_FILE_NAME \"Quillon-${PROJECT_VERSION}-Linux\")
endif()
")
# Installing into a version folder (the tarball's prefix, or a copy the user lays out by hand) makes
# the link and the launchers around it too. The launchers are a script rather than links, so that
# a version that cannot start after an update gives way to the one before it.
install(CODE "set(QUILLON_LAUNCHER \"${PROJECT_SOURCE_DIR}/packaging/launcher.sh\")")
install(CODE [[
  if(CMAKE_INSTALL_PREFIX MATCHES "^(.*)/versions/([^/]+)$")
    set(top "$ENV{DESTDIR}${CMAKE_MATCH_1}")
    file(CREATE_LINK "versions/${CMAKE_MATCH_2}" "${top}/current" SYMBOLIC)
    foreach(program quillon quillon-widgets)
      file(REMOVE "${top}/${program}")
      file(COPY_FILE "${QUILLON_LAUNCHER}" "${top}/${program}")
      file(CHMOD "${top}/${program}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
           GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endforeach()
  endif()
]])
include(CPack)
