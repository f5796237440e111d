# Cross build for Windows with Debian's MinGW-w64, for the machine named by
# VANTOR_MINGW_ARCH: i686 (g++-mingw-w64-i686) or x86_64 (g++-mingw-w64-x86-64).
# The compiler checks' own projects read this file again and need the machine too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VANTOR_MINGW_ARCH)
set(triple ${VANTOR_MINGW_ARCH}-w64-mingw32)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VANTOR_MINGW_ARCH})

set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
