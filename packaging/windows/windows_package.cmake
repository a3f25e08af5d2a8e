# The program for Windows in one folder, with the libraries and plugins it
# loads, the fonts' and libraries' licences: installed by an NSIS installer in
# Italian, with its Start-menu entry and uninstaller, or unpacked from a zip
# into any folder.
configure_file(${CMAKE_CURRENT_LIST_DIR}/Voltaris.rc.in ${CMAKE_BINARY_DIR}/Voltaris.rc @ONLY)
target_sources(Voltaris PRIVATE ${CMAKE_BINARY_DIR}/Voltaris.rc)
voltaris_windows_runtime(${CMAKE_BINARY_DIR})

set(PROGRAM_DLLS ${WINDOWS_RUNTIME_DLLS})
list(FILTER PROGRAM_DLLS EXCLUDE REGEX "Qt6Test\\.dll$")
install(TARGETS Voltaris RUNTIME DESTINATION .)
install(FILES ${PROGRAM_DLLS} DESTINATION .)
install(FILES ${VOLTARIS_WINDOWS_PREFIX}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${VOLTARIS_WINDOWS_PREFIX}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION licences RENAME voltaris-bt.txt)
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

# CPack's own installer script, for 64-bit Windows, speaking Italian only.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REGEX REPLACE "(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n)+"
       "  !insertmacro MUI_LANGUAGE \"Italian\"\n" template "${template}")
foreach(phrase
    "Uninstall.lnk|Disinstalla Voltaris BT.lnk"
    "Uninstall failed.|Disinstallazione non riuscita."
    "is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?|è già installato. $\\n$\\nDisinstallare la versione precedente prima di installare quella nuova?")
  string(REPLACE "|" ";" pair "${phrase}")
  list(GET pair 0 english)
  list(GET pair 1 italian)
  string(REPLACE "${english}" "${italian}" template "${template}")
endforeach()
# Its byte-order mark, which tells makensis that the script is UTF-8, stays first.
string(ASCII 239 187 191 byte_order_mark)
string(REPLACE "${byte_order_mark}" "" template "${template}")
# The uninstaller also removes the maker's key once it holds nothing else.
set(product_key "DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"")
string(REPLACE "${product_key}"
       "${product_key}\n  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\""
       template "${template}")
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${byte_order_mark}Target amd64-unicode\n${template}")
list(APPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
set(CPACK_STRIP_FILES ON)
