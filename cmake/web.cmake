# What the browser build adds to the program: Boost's headers without the rest
# of the host's include folder, the fonts the program carries, and C++
# exceptions, which Qt's own build for the browser leaves off.
include(${CMAKE_CURRENT_LIST_DIR}/boost_headers_alone.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/carried_fonts.cmake)
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sDISABLE_EXCEPTION_CATCHING=0)

# Links the program for the page: among the libraries, after Qt's own link
# settings, so that exceptions stay caught.
function(voltaris_web_program target)
  target_link_libraries(${target} PRIVATE -sDISABLE_EXCEPTION_CATCHING=0)
endfunction()
