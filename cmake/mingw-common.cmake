# The MinGW-w64 settings shared by both Windows targets; the including
# toolchain file sets discmenu_mingw (the compiler prefix) first.

# The win32 thread model needs no threading DLL; prefer it when both exist.
find_program(CMAKE_C_COMPILER NAMES ${discmenu_mingw}-gcc-win32 ${discmenu_mingw}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${discmenu_mingw}-g++-win32 ${discmenu_mingw}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${discmenu_mingw}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${discmenu_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
# Release builds are stripped: the executable is what ships.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
