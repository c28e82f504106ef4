# Compiler settings shared by every target of the project, applied through an interface target
# so that nothing leaks into third-party code.
add_library(quillon_compile_options INTERFACE)
add_library(quillon::compile_options ALIAS quillon_compile_options)

target_compile_options(quillon_compile_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
if(QUILLON_WERROR)
  target_compile_options(quillon_compile_options INTERFACE -Werror)
endif()
if(QUILLON_FUZZ)
  target_compile_options(quillon_compile_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(quillon_compile_options INTERFACE -fsanitize=address,undefined)
endif()
if(QUILLON_SANITIZE)
  target_compile_options(quillon_compile_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quillon_compile_options INTERFACE -fsanitize=address,undefined)
endif()

# __FILE__ (which the journal's CODE_FILE field records) names sources from the tree's root: the
# programs carry no path of the machine they were built on.
target_compile_options(quillon_compile_options INTERFACE
  -fmacro-prefix-map=${PROJECT_SOURCE_DIR}/= -fmacro-prefix-map=${PROJECT_BINARY_DIR}/=)
