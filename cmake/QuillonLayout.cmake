# The build tree is laid out as an install is: programs in bin/, the widget plug-ins in
# lib/quillon/widgets/, the catalogues and the release's record in share/quillon/. A program finds
# what it loads beside itself, the same way built and installed, so that nothing installed carries
# a path into the build tree.
set(QUILLON_BUILD_PROGRAMS_DIR ${PROJECT_BINARY_DIR}/bin)
set(QUILLON_BUILD_PLUGINS_DIR ${PROJECT_BINARY_DIR}/lib/quillon/widgets)
set(QUILLON_BUILD_CATALOGUES_DIR ${PROJECT_BINARY_DIR}/share/quillon/translations)

# A program of the product: built into bin/ and installed there.
function(quillon_install_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLON_BUILD_PROGRAMS_DIR})
  install(TARGETS ${target} RUNTIME DESTINATION bin)
  quillon_layer_program(${target})
endfunction()
