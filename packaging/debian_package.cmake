# What a Debian package carries beyond the program's own files: the manual
# pages (English and Italian), the changelog and the copyright, gzip'd as
# Debian wants them; the extended description; a stripped program.
find_program(GZIP gzip REQUIRED)
set(DEBIAN_DOCUMENTS)
function(install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${destination}/${name}.gz)
  get_filename_component(folder ${gzipped} DIRECTORY)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name}
    COMMAND ${GZIP} -9nf ${folder}/${name}
    DEPENDS ${source} VERBATIM)
  install(FILES ${gzipped} DESTINATION ${destination})
  set(DEBIAN_DOCUMENTS ${DEBIAN_DOCUMENTS} ${gzipped} PARENT_SCOPE)
endfunction()

set(PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install_gzipped(${CMAKE_CURRENT_LIST_DIR}/man/man1/Voltaris.1 ${CMAKE_INSTALL_MANDIR}/man1)
install_gzipped(${CMAKE_CURRENT_LIST_DIR}/man/it/man1/Voltaris.1 ${CMAKE_INSTALL_MANDIR}/it/man1)
install_gzipped(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${PACKAGE_DOCDIR})
add_custom_target(debian_documents ALL DEPENDS ${DEBIAN_DOCUMENTS})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${PACKAGE_DOCDIR})
# libjpeg is linked into the program, so its copyright comes along, and
# lintian is told that the copy is meant.
install(FILES /usr/share/doc/libjpeg62-turbo/copyright DESTINATION ${PACKAGE_DOCDIR}
        RENAME libjpeg62-turbo.copyright)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

# CPack writes quotes and apostrophes of this text as XML entities: it has none.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/debian/description)
set(CPACK_STRIP_FILES ON)

# The same sources give the same package: the staged files are finished by
# packaging/debian_staged_files.cmake, with the date of the changelog's latest
# entry as every file's time (Debian's own builds take SOURCE_DATE_EPOCH from
# there), unless SOURCE_DATE_EPOCH is set already.
find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)
execute_process(COMMAND ${DPKG_PARSECHANGELOG} -l ${CMAKE_CURRENT_LIST_DIR}/debian/changelog -STimestamp
                OUTPUT_VARIABLE CPACK_VOLTARIS_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_staged_files.cmake)
