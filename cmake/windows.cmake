# What a Windows build adds to the program: Boost's headers without the rest of
# the host's include folder, the version resource and icon, the fonts the
# program carries, and the Qt and compiler libraries beside each program so
# that it starts (under wine, through CTest's emulator, too).
enable_language(RC)

set(Boost_NO_BOOST_CMAKE ON)
set(BOOST_HEADERS ${CMAKE_BINARY_DIR}/boost-headers)
file(MAKE_DIRECTORY ${BOOST_HEADERS})
file(CREATE_LINK /usr/include/boost ${BOOST_HEADERS}/boost SYMBOLIC)
set(Boost_INCLUDE_DIR ${BOOST_HEADERS} CACHE PATH "Boost's headers, alone")

# The substitutes for the design's fonts, from the packages the Linux build uses.
set(LIBERATION_FONTS /usr/share/fonts/truetype/liberation)
set(URW_FONTS /usr/share/fonts/opentype/urw-base35)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/fonts.qrc.in ${CMAKE_BINARY_DIR}/fonts.qrc @ONLY)

set(VOLTARIS_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/Voltaris.ico)

# The libraries a program of this build loads, wherever it is started from.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE stdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(compiler_dlls ${stdcxx_dll} DIRECTORY)
set(WINDOWS_RUNTIME_DLLS
  ${compiler_dlls}/libstdc++-6.dll ${compiler_dlls}/libgcc_s_seh-1.dll
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
if(NOT VOLTARIS_CALC_ONLY)
  foreach(module Core Gui Widgets PrintSupport Test)
    list(APPEND WINDOWS_RUNTIME_DLLS ${VOLTARIS_WINDOWS_PREFIX}/bin/Qt6${module}.dll)
  endforeach()
endif()
foreach(dll ${WINDOWS_RUNTIME_DLLS})
  if(NOT EXISTS ${dll})
    message(FATAL_ERROR "${dll} is missing: run scripts/setup-windows")
  endif()
endforeach()

# Copies the libraries into the folder and points Qt at its plugins from there.
function(voltaris_windows_runtime folder)
  file(COPY ${WINDOWS_RUNTIME_DLLS} DESTINATION ${folder})
  file(WRITE ${folder}/qt.conf "[Paths]\nPrefix=${VOLTARIS_WINDOWS_PREFIX}\n")
endfunction()

# Wine hands no QT_ variable to a Windows program, only its WINE-prefixed twin;
# QtTest writes to the console only where it is told that there is one.
# The headless display reads fonts from a folder: the system's, where the
# program adds those it carries.
set(WINDOWS_TEST_ENVIRONMENT
    ";WINEQT_QPA_PLATFORM=offscreen;WINEQT_FORCE_STDERR_LOGGING=1;WINEQT_QPA_FONTDIR=C:/windows/Fonts")
