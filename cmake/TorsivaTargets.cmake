# SPDX-License-Identifier: MIT
# Compiler settings that every target of ours shares, applied per target so
# that nothing leaks into what we merely link against.
function(torsiva_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()

# Gives a library its own include root: a folder in the build tree that holds
# only a link named after the library's source folder, so that
# "geometry/vec3.h" is found by what links torsiva_geometry and by nothing
# else. An include across layers that the targets do not allow then fails to
# build instead of quietly working. `folder` is the path below the source
# root ("render", "tools/snapshot").
function(torsiva_include_root target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
