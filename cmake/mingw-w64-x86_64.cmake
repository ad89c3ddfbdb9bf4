# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix); programs
# run here under wine64. ONDRELL_WINDOWS_DEPS names the folder holding the Windows builds of the
# libraries (scripts/windows-check.sh fills it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Programs carry their C++ runtime, so wine needs no DLL search path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(ONDRELL_WINDOWS_DEPS "" CACHE PATH "Windows builds of the libraries the project uses")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ONDRELL_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ONDRELL_WINDOWS_DEPS})
set(CMAKE_PREFIX_PATH ${ONDRELL_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# add_test runs the Windows programs through wine.
find_program(ONDRELL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ONDRELL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ONDRELL_WINE})
endif()
