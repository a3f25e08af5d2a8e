# Cross build for 64-bit Windows with Debian's mingw-w64 (POSIX threads, for
# std::thread and std::mutex); the programs built run here under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# The Windows libraries built for the program (Qt, libjpeg) live in one prefix
# outside the checkout, beside the cross compiler's own.
set(VOLTARIS_WINDOWS_PREFIX "" CACHE PATH "Where Qt and libjpeg for Windows are installed")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${VOLTARIS_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# moc, uic and rcc come from the amd64 Qt.
set(QT_HOST_PATH /usr CACHE PATH "Host Qt installation")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt CMake packages")

# The tests run under Debian's 64-bit wine, its loader called directly.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
