# The web site: the program built for the browser with its page, its manifest
# and icons, the service worker that keeps it for use offline, its licence and
# the source archive of this version, gathered into site/ after every build.
set(SITE_DIR ${CMAKE_BINARY_DIR}/site)
set(SOURCE_ARCHIVE ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-source.tar.gz)
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DPROGRAM_DIR=$<TARGET_FILE_DIR:Voltaris>
          -DSITE_DIR=${SITE_DIR} -DSOURCE_ARCHIVE=${SOURCE_ARCHIVE}
          -P ${CMAKE_CURRENT_LIST_DIR}/make_site.cmake
  DEPENDS Voltaris
  COMMENT "Gathering the web site into ${SITE_DIR}"
  VERBATIM)

# The yardstick of the page's size and start-up: a bare Qt window built the same way.
if(VOLTARIS_BENCH)
  qt_add_executable(bare_window ${PROJECT_SOURCE_DIR}/bench/bare_window.cpp)
  target_link_libraries(bare_window PRIVATE Qt6::Widgets)
  target_include_directories(bare_window PRIVATE ${PROJECT_SOURCE_DIR})
  voltaris_web_program(bare_window)
endif()
