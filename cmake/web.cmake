# The browser build: calc/ compiled to WebAssembly. The compiler sees Boost's
# headers alone, not the rest of the host's include folder; C++ exceptions
# carry calc's faults. The page waits for the module before its first window:
# the smallest code, optimized across calc/ and its bindings.
include(${CMAKE_CURRENT_LIST_DIR}/boost_headers_alone.cmake)
add_compile_options(-fexceptions -Oz -flto)
add_link_options(-fexceptions -sDISABLE_EXCEPTION_CATCHING=0 -Oz -flto)
# emcc's linking runs on the machine's node, which finds Debian's JavaScript
# modules (acorn) there, whoever starts the build.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
