# Third-party libraries. Natively they come from the distribution; the
# Windows configurations find zlib in the MinGW sysroot, and libjpeg,
# liblzma and libmpg123 in the cache that scripts/setup cross-builds
# (build/deps/<triplet>).
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(LibLZMA REQUIRED)
# libmpg123 decodes MP3 sound: Debian's package natively, cross-built by
# scripts/setup for MinGW (a static library there).
find_path(MPG123_INCLUDE_DIR mpg123.h REQUIRED)
find_library(MPG123_LIBRARY NAMES mpg123 REQUIRED)
add_library(Mpg123::Mpg123 UNKNOWN IMPORTED)
set_target_properties(Mpg123::Mpg123 PROPERTIES IMPORTED_LOCATION "${MPG123_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${MPG123_INCLUDE_DIR}")
if(WIN32)
  # The static library resolves file names through the shell's path helpers.
  set_property(TARGET Mpg123::Mpg123 APPEND PROPERTY INTERFACE_LINK_LIBRARIES shlwapi)
endif()
if(NOT WIN32)
  find_package(PNG REQUIRED)
  find_package(Freetype REQUIRED)
endif()

if(WIN32)
  # liblzma is linked statically; its header must not ask for the DLL.
  set_property(TARGET LibLZMA::LibLZMA APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS LZMA_API_STATIC)
  # One self-contained executable: no MinGW run-time DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
