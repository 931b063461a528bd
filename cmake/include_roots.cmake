# Each library has an include root of its own in the build tree, holding
# links to exactly the headers it publishes, under their source paths
# ("menu/form1.h"). A target sees the headers of the libraries it links and
# nothing else, so an include that crosses the layering (the core reaching
# into a backend, the tool's core into the toolkit) is a build error:
#
#   fatal error: platform/qt/form1_window.h: No such file or directory
#
# The source tree itself is never an include directory.

# discmenu_headers(<target> <folder> <header>...): publishes <folder>/<header>
# for <target> and whatever links it.
function(discmenu_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS ARGN)
    set(source ${PROJECT_SOURCE_DIR}/${folder}/${header})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "discmenu_headers(${target}): no header ${folder}/${header}")
    endif()
    get_filename_component(parent ${root}/${folder}/${header} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${source} ${root}/${folder}/${header} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
