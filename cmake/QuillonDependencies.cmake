# Every external dependency is found here, once. The Debian packages that provide them are listed
# in scripts/debian-packages.txt.
find_package(Threads REQUIRED)
find_package(ICU 72 REQUIRED COMPONENTS uc i18n)
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets DBus Network Svg Test)
find_package(nlohmann_json 3.10 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(Systemd REQUIRED IMPORTED_TARGET libsystemd)
pkg_check_modules(Xcb REQUIRED IMPORTED_TARGET xcb)
pkg_check_modules(Sodium REQUIRED IMPORTED_TARGET libsodium)
if(QUILLON_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(QUILLON_BUILD_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()

# Helper for the project's libraries: one static library per folder, linked to the common options.
function(quillon_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE quillon::compile_options ${ARG_PRIVATE_DEPS})
endfunction()
