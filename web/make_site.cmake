# Gathers the site: cmake -DSOURCE_DIR=… -DCORE_DIR=… -DSITE_DIR=… -DSOURCE_ARCHIVE=… -DPYTHON3=… -P make_site.cmake
cmake_minimum_required(VERSION 3.25)
set(page ${SOURCE_DIR}/web)
file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR}/js ${SITE_DIR}/icons ${SITE_DIR}/pictures)
file(COPY ${page}/index.html ${page}/page.css ${page}/manifest.webmanifest ${SOURCE_DIR}/COPYING
     DESTINATION ${SITE_DIR})
file(GLOB modules ${page}/js/*.js)
file(COPY ${modules} ${CORE_DIR}/voltaris_core.js ${CORE_DIR}/voltaris_core.wasm DESTINATION ${SITE_DIR}/js)
foreach(size 32 48 64 128 256)
  file(COPY ${SOURCE_DIR}/packaging/icons/voltaris-${size}.png DESTINATION ${SITE_DIR}/icons)
endforeach()

# Every window's texts, controls and grouping, read from its design.
file(GLOB designs ${SOURCE_DIR}/ui/*.ui ${SOURCE_DIR}/app/*.ui)
list(SORT designs)
execute_process(COMMAND ${PYTHON3} ${page}/tools/read_designs.py ${SITE_DIR}/js/designs.js ${designs}
                COMMAND_ERROR_IS_FATAL ANY)
# Only the pictures the designs name: the desktop's frame rules stay behind.
file(READ ${SITE_DIR}/js/designs.js designs_text)
string(REGEX MATCHALL "\"picture\":\"[A-Za-z0-9_]+\\.jpg\"" pictures "${designs_text}")
list(REMOVE_DUPLICATES pictures)
foreach(picture ${pictures})
  string(REGEX REPLACE "^\"picture\":\"(.*)\"$" "\\1" picture "${picture}")
  file(COPY ${SOURCE_DIR}/assets/pictures/${picture} DESTINATION ${SITE_DIR}/pictures)
endforeach()

# The sources this site was built from: the files git tracks, as they stand.
execute_process(COMMAND git -C ${SOURCE_DIR} ls-files OUTPUT_VARIABLE tracked COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" tracked "${tracked}")
list(FILTER tracked EXCLUDE REGEX "^$")
string(REPLACE ";" "\n" file_list "${tracked}")
file(WRITE ${SITE_DIR}/../source-files.txt "${file_list}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${SITE_DIR}/${SOURCE_ARCHIVE}
                        --files-from=${SITE_DIR}/../source-files.txt
                WORKING_DIRECTORY ${SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)

# The service worker keeps every file the page uses; its cache is named after
# the contents of all of them, so that a new version replaces the old one. The
# source archive is a download of its own, too big to fetch on every first
# visit, and the page is kept once, under its folder's address.
file(GLOB_RECURSE site_files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(SORT site_files)
set(contents "")
foreach(name ${site_files})
  file(SHA256 ${SITE_DIR}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
endforeach()
string(SHA256 SITE_VERSION "${contents}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
list(REMOVE_ITEM site_files ${SOURCE_ARCHIVE} index.html)
list(TRANSFORM site_files PREPEND "'")
list(TRANSFORM site_files APPEND "'")
list(JOIN site_files ", " SITE_FILES)
set(SITE_FILES "'./', ${SITE_FILES}")
configure_file(${page}/service-worker.js ${SITE_DIR}/service-worker.js @ONLY)
