# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).
#   cmake -S tests/windows -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTIR_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix flavour brings std::thread and friends; the win32 flavour would do for the binding too.
find_program(CMAKE_C_COMPILER NAMES ${VANTIR_MINGW_TRIPLET}-gcc-posix ${VANTIR_MINGW_TRIPLET}-gcc)
find_program(CMAKE_CXX_COMPILER NAMES ${VANTIR_MINGW_TRIPLET}-g++-posix ${VANTIR_MINGW_TRIPLET}-g++)
find_program(CMAKE_RC_COMPILER NAMES ${VANTIR_MINGW_TRIPLET}-windres)

# Headers and libraries come from the MinGW-w64 tree, programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VANTIR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
