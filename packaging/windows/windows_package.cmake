# The program for Windows in one folder, with the libraries and plugins it
# loads, its licence and the fonts' and libraries' licences: installed by an
# NSIS installer in Italian, with its licence page, Start-menu entry and
# uninstaller, or unpacked from a zip into any folder.
configure_file(${CMAKE_CURRENT_LIST_DIR}/Voltaris.rc.in ${CMAKE_BINARY_DIR}/Voltaris.rc @ONLY)
target_sources(Voltaris PRIVATE ${CMAKE_BINARY_DIR}/Voltaris.rc)
voltaris_windows_runtime(${CMAKE_BINARY_DIR})

set(PROGRAM_DLLS ${WINDOWS_RUNTIME_DLLS})
list(FILTER PROGRAM_DLLS EXCLUDE REGEX "Qt6Test\\.dll$")
install(TARGETS Voltaris RUNTIME DESTINATION .)
install(FILES ${PROGRAM_DLLS} DESTINATION .)
install(FILES ${VOLTARIS_WINDOWS_PREFIX}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${VOLTARIS_WINDOWS_PREFIX}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# The program's licence, the GNU GPL's text, as COPYING.txt in the program's
# folder, the text the installer's licence page shows; beside the other
# licences, who holds the copyright and under which licence, pointing there.
# Both with Windows' line ends, which every Windows editor shows as lines.
function(voltaris_windows_text source destination)  # [text replacement]
  file(READ ${source} text)
  if(ARGC EQUAL 4)
    string(FIND "${text}" "${ARGV2}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${source} has no \"${ARGV2}\"")
    endif()
    string(REPLACE "${ARGV2}" "${ARGV3}" text "${text}")
  endif()
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${destination} "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
set(VOLTARIS_LICENCE ${CMAKE_BINARY_DIR}/licence/COPYING.txt)
voltaris_windows_text(${PROJECT_SOURCE_DIR}/COPYING ${VOLTARIS_LICENCE})
voltaris_windows_text(${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${CMAKE_BINARY_DIR}/licence/voltaris-bt.txt
  "On Debian systems, the complete text of the GNU General Public License\n version 3 can be found in /usr/share/common-licenses/GPL-3."
  "The complete text of the GNU General Public License version 3 is in\n COPYING.txt, in the program's folder.")
install(FILES ${VOLTARIS_LICENCE} DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/licence/voltaris-bt.txt DESTINATION licences)
foreach(package libqt6core6 libjpeg62-turbo fonts-liberation fonts-urw-base35 mingw-w64-common)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION licences RENAME ${package}.txt)
endforeach()
# Qt's texts in Italian, which the program carries.
install(FILES /usr/share/doc/qt6-translations-l10n/copyright DESTINATION licences RENAME qt6-translations-l10n.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Voltaris BT")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Voltaris BT")
set(CPACK_PACKAGE_EXECUTABLES Voltaris "Voltaris BT")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME "Voltaris BT")
set(CPACK_NSIS_DISPLAY_NAME "Voltaris BT")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME Voltaris.exe)
set(CPACK_NSIS_MUI_ICON ${VOLTARIS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${VOLTARIS_ICON})
set(CPACK_NSIS_URL_INFO_ABOUT "https://www.ardenor.example")
set(CPACK_NSIS_CONTACT "voltaris@ardenor.example")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_RESOURCE_FILE_LICENSE ${VOLTARIS_LICENCE})
# The last page offers to start the program (MUI's "Esegui Voltaris BT").
set(CPACK_NSIS_MUI_FINISHPAGE_RUN Voltaris.exe)

include(${CMAKE_CURRENT_LIST_DIR}/nsis_template.cmake)
set(CPACK_STRIP_FILES ON)
