# Programs that run during the build (generators in tools/) must be built
# for the build machine. Natively they are ordinary targets of this build.
# When cross-compiling, a native sub-build of this same project in
# build/<preset>/host makes them with the host compiler; nothing built for
# Windows ever runs during a build.
#
# kfp_host_tool(NAME PROGRAM_VAR DEPENDS_VAR) sets PROGRAM_VAR to the path
# of the host program NAME and DEPENDS_VAR to what a custom command that
# runs it must depend on.

set(KFP_HOST_TOOLS genbitmaps genintro genpictures)

if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(KFP_HOST_DIR ${CMAKE_BINARY_DIR}/host)
  set(_kfp_host_programs "")
  set(_kfp_host_targets "")
  foreach(tool IN LISTS KFP_HOST_TOOLS)
    list(APPEND _kfp_host_programs ${KFP_HOST_DIR}/tools/${tool}/${tool})
    list(APPEND _kfp_host_targets --target ${tool})
  endforeach()
  # No toolchain file (not even one named in the environment): the
  # sub-build takes the host's compilers. It always
  # runs its own (quick when up to date) build so that edits to a generator
  # reach the generated files.
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${KFP_HOST_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE= -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> ${_kfp_host_targets}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${_kfp_host_programs}
  )
endif()

function(kfp_host_tool name program_var depends_var)
  if(CMAKE_CROSSCOMPILING)
    set(${program_var} ${KFP_HOST_DIR}/tools/${name}/${name} PARENT_SCOPE)
    set(${depends_var} host_tools ${KFP_HOST_DIR}/tools/${name}/${name} PARENT_SCOPE)
  else()
    set(${program_var} $<TARGET_FILE:${name}> PARENT_SCOPE)
    set(${depends_var} ${name} PARENT_SCOPE)
  endif()
endfunction()
