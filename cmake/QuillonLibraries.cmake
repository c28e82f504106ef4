# The project's libraries and the layering between them, written once: a library is declared with
# the libraries it stands on, and both what it may include and the Layering check follow from that.
#
# Every library's headers are included by their path from the source root ("core/dot_grid.h"), but a
# target sees only the headers of itself and of the libraries it links: each library's include
# folder in the build tree holds a link to each of its own headers and nothing else, so neither a
# header of a library it does not link nor one from a subfolder resolves.

# Exposes a whole folder the same way, for the tests' own helpers.
function(quillon_expose_folder target scope folder)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${folder})
  set(include_dir ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${include_dir}/${relative} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${folder} ${include_dir}/${relative} SYMBOLIC)
  target_include_directories(${target} ${scope} ${include_dir})
endfunction()

# Links HEADERS (relative to the source root) into TARGET's include folder.
function(quillon_expose_headers target scope)
  set(include_dir ${PROJECT_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${include_dir})
  foreach(header ${ARGN})
    get_filename_component(parent ${include_dir}/${header} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${include_dir}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${include_dir})
endfunction()

# The headers of FOLDER (absolute), relative to the source root: the given ones, or every header in
# the folder itself (not its subfolders, which are libraries of their own).
function(quillon_library_headers out folder)
  if(ARGN)
    set(names ${ARGN})
  else()
    file(GLOB names CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*.h)
  endif()
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${folder})
  set(headers)
  foreach(name ${names})
    list(APPEND headers ${relative}/${name})
  endforeach()
  set(${out} ${headers} PARENT_SCOPE)
endfunction()

# Records what the Layering check reads of a library or program: its source folder, its files and
# headers (relative to the source root), and whether it promises to stay toolkit-free.
function(quillon_register_for_layering target folder toolkit_free headers)
  set(files)
  get_target_property(sources ${target} SOURCES)
  if(NOT sources)
    set(sources)
  endif()
  foreach(source ${sources})
    if(NOT IS_ABSOLUTE ${source})
      set(source ${folder}/${source})
    endif()
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${source})
    if(NOT relative MATCHES "^\\.\\.")
      list(APPEND files ${relative})
    endif()
  endforeach()
  list(APPEND files ${headers})
  list(REMOVE_DUPLICATES files)
  set_target_properties(${target} PROPERTIES QUILLON_LAYER_FILES "${files}" QUILLON_LAYER_HEADERS "${headers}"
                                              QUILLON_TOOLKIT_FREE ${toolkit_free})
  set_property(GLOBAL APPEND PROPERTY QUILLON_LAYERED_TARGETS ${target})
endfunction()

# A static library of the project:
#   quillon_add_library(name [TOOLKIT_FREE] SOURCES ... [HEADERS ...] [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# It lives in the current folder; HEADERS names the headers it offers when it shares the folder with
# another library. A TOOLKIT_FREE library may neither include Qt nor link a
# library that does.
function(quillon_add_library name)
  cmake_parse_arguments(ARG "TOOLKIT_FREE" "" "SOURCES;HEADERS;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  quillon_library_headers(headers ${CMAKE_CURRENT_SOURCE_DIR} ${ARG_HEADERS})
  quillon_expose_headers(${name} PUBLIC ${headers})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE quillon::compile_options ${ARG_PRIVATE_DEPS})
  quillon_register_for_layering(${name} ${CMAKE_CURRENT_SOURCE_DIR} ${ARG_TOOLKIT_FREE} "${headers}")
endfunction()

# A library of headers alone: quillon_add_header_library(name [TOOLKIT_FREE] [HEADERS ...] [DEPS ...]).
function(quillon_add_header_library name)
  cmake_parse_arguments(ARG "TOOLKIT_FREE" "" "HEADERS;DEPS" ${ARGN})
  add_library(${name} INTERFACE)
  quillon_library_headers(headers ${CMAKE_CURRENT_SOURCE_DIR} ${ARG_HEADERS})
  quillon_expose_headers(${name} INTERFACE ${headers})
  target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  quillon_register_for_layering(${name} ${CMAKE_CURRENT_SOURCE_DIR} ${ARG_TOOLKIT_FREE} "${headers}")
endfunction()

# A program's own sources are held to the libraries it links, as a library's are.
function(quillon_layer_program target)
  quillon_register_for_layering(${target} ${CMAKE_CURRENT_SOURCE_DIR} FALSE "")
endfunction()

# The libraries whose headers TARGET may include: its own, those it links, and what they pass on.
function(quillon_includable_libraries out target)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(direct ${target} LINK_LIBRARIES)
  endif()
  set(found)
  set(pending ${direct})
  while(pending)
    list(POP_FRONT pending dependency)
    if(NOT dependency OR dependency MATCHES "^\\$<" OR NOT TARGET ${dependency} OR dependency IN_LIST found)
      continue()
    endif()
    list(APPEND found ${dependency})
    get_target_property(passed ${dependency} INTERFACE_LINK_LIBRARIES)
    if(passed)
      list(APPEND pending ${passed})
    endif()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Writes the table the Layering check reads, one target a line:
#   target <tab> toolkit-free (0/1) <tab> files <tab> headers <tab> includable libraries <tab> Qt it links
# and stops when a toolkit-free library links Qt or a library that is not toolkit-free.
function(quillon_write_layering_table path)
  get_property(targets GLOBAL PROPERTY QUILLON_LAYERED_TARGETS)
  set(table "")
  foreach(target ${targets})
    quillon_includable_libraries(includable ${target})
    get_target_property(toolkit_free ${target} QUILLON_TOOLKIT_FREE)
    set(project_libraries)
    set(toolkits)
    foreach(library ${includable})
      get_property(layered TARGET ${library} PROPERTY QUILLON_LAYER_HEADERS SET)
      if(layered)
        list(APPEND project_libraries ${library})
        get_target_property(below_free ${library} QUILLON_TOOLKIT_FREE)
        if(toolkit_free AND NOT below_free)
          message(FATAL_ERROR "${target} is toolkit-free but links ${library}, which is not")
        endif()
      elseif(library MATCHES "^Qt6::")
        list(APPEND toolkits ${library})
      endif()
    endforeach()
    if(toolkit_free AND toolkits)
      message(FATAL_ERROR "${target} is toolkit-free but links ${toolkits}")
    endif()
    if(toolkit_free)
      set(free 1)
    else()
      set(free 0)
    endif()
    get_target_property(files ${target} QUILLON_LAYER_FILES)
    get_target_property(headers ${target} QUILLON_LAYER_HEADERS)
    list(JOIN files " " files)
    list(JOIN headers " " headers)
    list(JOIN project_libraries " " project_libraries)
    list(JOIN toolkits " " toolkits)
    string(APPEND table "${target}\t${free}\t${files}\t${headers}\t${project_libraries}\t${toolkits}\n")
  endforeach()
  file(WRITE ${path} "${table}")
endfunction()
