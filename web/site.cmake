# The browser face: calc/ as a WebAssembly module with its JavaScript loader
# (web/js/core.js imports it as an ES module and hands it its compiled bytes),
# gathered with the page, its designs, pictures, icons, manifest, the service
# worker that keeps it all for use offline, its licence and the source archive
# of this version into site/ after every build.
add_executable(voltaris_core ${CMAKE_CURRENT_LIST_DIR}/core/bindings.cpp)
target_link_libraries(voltaris_core PRIVATE voltaris_calc)
# No files, no code made at run time (a page's content policy may forbid it),
# the smaller allocator; memory grows for a text of any length pasted into a box.
target_link_options(voltaris_core PRIVATE
  -lembind -sMODULARIZE -sEXPORT_ES6 -sEXPORT_NAME=VoltarisCore -sENVIRONMENT=web,worker
  -sINCOMING_MODULE_JS_API=instantiateWasm -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0
  -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH)

find_program(PYTHON3 python3 REQUIRED)
set(SITE_DIR ${CMAKE_BINARY_DIR}/site)
set(SOURCE_ARCHIVE ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-source.tar.gz)
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DCORE_DIR=$<TARGET_FILE_DIR:voltaris_core>
          -DSITE_DIR=${SITE_DIR} -DSOURCE_ARCHIVE=${SOURCE_ARCHIVE} -DPYTHON3=${PYTHON3}
          -P ${CMAKE_CURRENT_LIST_DIR}/make_site.cmake
  DEPENDS voltaris_core
  COMMENT "Gathering the web site into ${SITE_DIR}"
  VERBATIM)
