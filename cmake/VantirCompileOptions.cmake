# What every build of ours compiles with, the program's and the Windows binding test's alike:
# C++17 without extensions, warnings on, and warnings as errors where VANTIR_WERROR is set (CI).
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

option(VANTIR_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra)
if(VANTIR_WERROR)
    add_compile_options(-Werror)
endif()
