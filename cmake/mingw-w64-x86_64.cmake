# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, as
# std::thread and Qt need). DALTO_WINDOWS_QT names the Qt for Windows to build
# against; its host tools (moc, rcc, uic) come from QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DALTO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DALTO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DALTO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DALTO_MINGW_TRIPLE}-windres)

# Libraries and headers for the target only from the MinGW sysroot and the
# Qt for Windows; programs (the host tools) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${DALTO_MINGW_TRIPLE})
if(DALTO_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${DALTO_WINDOWS_QT})
  list(APPEND CMAKE_PREFIX_PATH ${DALTO_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
