# CPack's own installer script, rewritten for 64-bit Windows and Italian only:
# the licence page introduces the program's licence in Italian; the
# uninstaller's progress page ends on "Disinstallazione completata"; the
# installer writes the installed folder's size into the uninstall entry.
# Writes ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in, which CPack then takes
# for its own.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)

# Replaces every occurrence of the first text by the second; a template that
# lacks the first (another CMake's) stops the configuration here.
function(nsis_rewrite before after)
  string(FIND "${template}" "${before}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "CPack's NSIS template has no \"${before}\": the installer's rewrite needs updating")
  endif()
  string(REPLACE "${before}" "${after}" template "${template}")
  set(template "${template}" PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n)+"
       "  !insertmacro MUI_LANGUAGE \"Italian\"\n" template "${template}")
nsis_rewrite("Uninstall.lnk" "Disinstalla Voltaris BT.lnk")
nsis_rewrite("Uninstall failed." "Disinstallazione non riuscita.")
nsis_rewrite("is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?"
        "è già installato. $\\n$\\nDisinstallare la versione precedente prima di installare quella nuova?")

# The licence page: the text of CPACK_RESOURCE_FILE_LICENSE, introduced in
# Italian. The GNU GPL asks for no acceptance to install or run the program
# (its section 9), so the page goes on with "Avanti" rather than "Accetto".
nsis_rewrite("  @CPACK_NSIS_LICENSE_PAGE@\n" [=[
  !define MUI_PAGE_HEADER_TEXT "Licenza"
  !define MUI_PAGE_HEADER_SUBTEXT "Voltaris BT è software libero: leggi a quali condizioni lo si può copiare, modificare e distribuire."
  !define MUI_LICENSEPAGE_TEXT_TOP "Voltaris BT è distribuito secondo la GNU General Public License, versione 3 o (a tua scelta) successiva. Ecco il testo ufficiale, in inglese:"
  !define MUI_LICENSEPAGE_TEXT_BOTTOM "Per installare e usare Voltaris BT non serve accettare la licenza: le sue condizioni valgono per chi copia, modifica o distribuisce il programma. Il testo resta nella cartella del programma, in COPYING.txt. Per proseguire, seleziona 'Avanti'."
  !define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
  @CPACK_NSIS_LICENSE_PAGE@
]=])

# The uninstaller's progress page, declared as MUI_UNPAGE_INSTFILES does, but
# with a closing line of its own: the Italian "^Completed", which both
# progress pages show, says "Installazione completata".
nsis_rewrite("  !insertmacro MUI_UNPAGE_INSTFILES\n" [=[
  !insertmacro MUI_UNPAGE_INIT
  !insertmacro MUI_PAGE_INIT
  !insertmacro MUI_SET MUI_UNINSTFILESPAGE
  PageEx un.instfiles
    PageCallbacks un.mui.InstFilesPre_${MUI_UNIQUEID} un.mui.InstFilesShow_${MUI_UNIQUEID} un.mui.InstFilesLeave_${MUI_UNIQUEID}
    Caption " "
    CompletedText "Disinstallazione completata"
  PageExEnd
  !insertmacro MUI_FUNCTION_INSTFILESPAGE un.mui.InstFilesPre_${MUI_UNIQUEID} un.mui.InstFilesShow_${MUI_UNIQUEID} un.mui.InstFilesLeave_${MUI_UNIQUEID}
  !insertmacro MUI_UNPAGE_END
]=])

# The uninstall entry's EstimatedSize, in KiB, which the system's list of
# programs shows: the installed folder's size once everything, the
# uninstaller too, is in place.
nsis_rewrite("  !include \"MUI.nsh\"\n" "  !include \"MUI.nsh\"\n  !include \"FileFunc.nsh\"\n")
nsis_rewrite("@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@\n" [=[
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@" "EstimatedSize" $0
@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@
]=])

# The uninstaller also removes the maker's key once it holds nothing else.
set(product_key "DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"")
nsis_rewrite("${product_key}" "${product_key}\n  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\"")

# Its byte-order mark, which tells makensis that the script is UTF-8, stays first.
string(ASCII 239 187 191 byte_order_mark)
string(REPLACE "${byte_order_mark}" "" template "${template}")
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${byte_order_mark}Target amd64-unicode\n${template}")
list(APPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
