# The substitutes for the design's fonts, carried by the program where the
# system lacks them, from the packages the Linux build uses.
set(LIBERATION_FONTS /usr/share/fonts/truetype/liberation)
set(URW_FONTS /usr/share/fonts/opentype/urw-base35)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/fonts.qrc.in ${CMAKE_BINARY_DIR}/fonts.qrc @ONLY)
