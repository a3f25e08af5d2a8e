# Cross build for 64-bit ARM with Debian's cross compiler and multiarch libraries;
# the programs built run here under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# Where multiarch has installed Debian's arm64 C library, qemu takes its loader
# (/lib/ld-linux-aarch64.so.1): the cross compiler's older loader under
# /usr/aarch64-linux-gnu with that newer C library hangs the first thread start.
if(EXISTS /lib/ld-linux-aarch64.so.1)
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64;-L;/usr/aarch64-linux-gnu)
endif()

# Multiarch puts the arm64 libraries, headers and CMake packages beside the
# host's under /usr, told apart by the triplet directories that
# CMAKE_LIBRARY_ARCHITECTURE selects: the root to search is the host's own.
# Programs are the host's (validators, the print server's scripts).
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# pkg-config, where a package looks up its dependencies with it, reads the arm64 ones only.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# moc, uic and rcc come from the amd64 Qt: Qt's packages take its host tools from here.
set(QT_HOST_PATH /usr CACHE PATH "Host Qt installation")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake CACHE PATH "Host Qt CMake packages")
