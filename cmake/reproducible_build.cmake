# The same sources build to the same program in any folder at any time.
# No build paths in it: the sources and the build folder both read as "."
# (the build folder's map comes last, so it wins where it lies in the sources).
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
# No file times in the embedded pictures: the first resource format carries none.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)
# moc follows a window header into its generated design only where uic has
# written it first, which the parallel autogen step leaves to chance: the code
# moc writes is the same either way, its debug information is not.
set_source_files_properties(${PROJECT_BINARY_DIR}/voltaris_gui_autogen/mocs_compilation.cpp
                            PROPERTIES COMPILE_OPTIONS -g0)
