# Cross-compiling for Windows with the MinGW-w64 "-posix" compilers (the
# win32-thread ones lack std::mutex and std::thread). KFP_MINGW_TRIPLET is
# set by the including toolchain file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KFP_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KFP_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KFP_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KFP_MINGW_TRIPLET} ${CMAKE_CURRENT_LIST_DIR}/../build/deps/${KFP_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
