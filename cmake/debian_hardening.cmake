# Debian's hardening flags, as dpkg-buildflags gives them with hardening=+all
# for the processor that the compiler builds for. Not for the sanitized build,
# whose instrumentation brings its own checks, nor for Windows or the browser.
if(VOLTARIS_SANITIZE OR WIN32 OR EMSCRIPTEN)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
find_program(DPKG_ARCHITECTURE dpkg-architecture REQUIRED)
# dpkg takes the host processor from the compiler; the build type chooses -O and -g,
# and the build's own prefix maps replace the one dpkg makes of the current folder.
set(debian_build_environment
  CC=${CMAKE_CXX_COMPILER}
  "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${debian_build_environment} "DEB_${kind}_MAINT_STRIP=-g -O2"
            ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE DEBIAN_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${debian_build_environment} ${DPKG_ARCHITECTURE} -qDEB_HOST_ARCH
  OUTPUT_VARIABLE DEBIAN_HOST_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# What later releases of dpkg-buildflags add (stack clash and branch protection)
# and Debian 12's does not give yet.
set(later_flags)
if(DEBIAN_HOST_ARCH MATCHES "^(amd64|arm64)$")
  list(APPEND later_flags -fstack-clash-protection)
endif()
if(DEBIAN_HOST_ARCH STREQUAL amd64)
  list(APPEND later_flags -fcf-protection)
elseif(DEBIAN_HOST_ARCH STREQUAL arm64)
  list(APPEND later_flags -mbranch-protection=standard)
endif()
foreach(flag ${later_flags})
  string(REGEX REPLACE "=.*" "" option ${flag})
  if(NOT " ${DEBIAN_CXXFLAGS} " MATCHES " ${option}[= ]")
    string(APPEND DEBIAN_CXXFLAGS " ${flag}")
  endif()
endforeach()

# First on the command line: the build type's flags and the project's
# floating-point options come after them and win.
set(CMAKE_CXX_FLAGS "${DEBIAN_CPPFLAGS} ${DEBIAN_CXXFLAGS} ${CMAKE_CXX_FLAGS}")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS "${DEBIAN_LDFLAGS} ${CMAKE_${kind}_LINKER_FLAGS}")
endforeach()
