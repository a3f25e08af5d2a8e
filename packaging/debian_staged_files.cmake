# Run by CPack on the staged files, after stripping and before archiving: the
# programs lose the compilers' version notes (.comment), which a stripped
# Debian program does not carry, and the archives take their times from
# SOURCE_DATE_EPOCH.
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*)
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_OBJCOPY_EXECUTABLE} --remove-section=.comment ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VOLTARIS_SOURCE_DATE_EPOCH})
endif()
