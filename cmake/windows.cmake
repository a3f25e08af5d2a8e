# What a Windows build adds to the program: Boost's headers without the rest of
# the host's include folder, the version resource and icon, the fonts the
# program carries, and the Qt and compiler libraries beside each program so
# that it starts (under wine, through CTest's emulator, too).
enable_language(RC)

include(${CMAKE_CURRENT_LIST_DIR}/boost_headers_alone.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/carried_fonts.cmake)

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
