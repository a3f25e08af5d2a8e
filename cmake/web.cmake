# What the browser build adds to the program: Boost's headers without the rest
# of the host's include folder, the fonts the program carries, and C++
# exceptions, which Qt's own build for the browser leaves off.
include(${CMAKE_CURRENT_LIST_DIR}/boost_headers_alone.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/carried_fonts.cmake)
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sDISABLE_EXCEPTION_CATCHING=0)

# Links the program for the page: among the libraries, after Qt's own link
# settings, so that exceptions stay caught; with the environment open to the
# page, which sets the language and the scale there before the program starts.
function(voltaris_web_program target)
  target_link_libraries(${target} PRIVATE -sDISABLE_EXCEPTION_CATCHING=0)
  set_target_properties(${target} PROPERTIES QT_WASM_EXTRA_EXPORTED_METHODS ENV)
endfunction()

# libjpeg's headers where the cache holds its library alone: Debian's own for
# the same libjpeg-turbo release, in a folder of their own like Boost's. Their
# declarations do not depend on the processor; jconfig.h only names features.
find_path(JPEG_INCLUDE_DIR jpeglib.h)
if(NOT JPEG_INCLUDE_DIR)
  file(GLOB host_jconfig /usr/include/jconfig.h /usr/include/*/jconfig.h)
  if(NOT EXISTS /usr/include/jpeglib.h OR NOT host_jconfig)
    message(FATAL_ERROR "libjpeg's headers are missing: install libjpeg62-turbo-dev")
  endif()
  set(JPEG_HEADERS ${CMAKE_BINARY_DIR}/jpeg-headers)
  file(MAKE_DIRECTORY ${JPEG_HEADERS})
  list(GET host_jconfig 0 host_jconfig)
  foreach(header /usr/include/jpeglib.h /usr/include/jerror.h /usr/include/jmorecfg.h ${host_jconfig})
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${JPEG_HEADERS}/${name} SYMBOLIC)
  endforeach()
  set(JPEG_INCLUDE_DIR ${JPEG_HEADERS} CACHE PATH "libjpeg's headers, alone" FORCE)
endif()
