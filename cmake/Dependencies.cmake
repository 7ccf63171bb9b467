# Third-party libraries. Natively they come from the distribution; the
# Windows configurations find zlib in the MinGW sysroot, and libjpeg and
# liblzma in the cache that scripts/setup cross-builds (build/deps/<triplet>).
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(LibLZMA REQUIRED)
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
