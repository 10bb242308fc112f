# The version header and the icon files, whose paths zolinar_app's
# properties XPM, ICO, PNG32 and PNG64 give the release and the tests.
configure_file(Version.h.in Version.h @ONLY)

# The icon has one source, the XPM picture: the program compiles it in, and
# ImageMagick and icoutils derive the icon theme's PNGs (64 px with each
# pixel doubled) and the Windows icon from it: one 32 x 32 image of 8 bits
# per pixel (left to itself, icotool would pick 4 for ten colours). The PNGs
# carry no time stamps. The Windows program and the page need the icon;
# elsewhere it is made where the tools are installed.
find_program(ZOLINAR_CONVERT convert)
find_program(ZOLINAR_ICOTOOL icotool)
if(WIN32 OR EMSCRIPTEN OR (ZOLINAR_CONVERT AND ZOLINAR_ICOTOOL))
    set(iconFilesByDefault ON)
endif()
option(ZOLINAR_ICON_FILES "Derive the icon theme's PNGs and the Windows icon (ImageMagick, icoutils)" ${iconFilesByDefault})
set(ZOLINAR_XPM ${CMAKE_CURRENT_SOURCE_DIR}/resources/hamburger.xpm)
set(ZOLINAR_ICO ${CMAKE_CURRENT_BINARY_DIR}/IT_Zolinar.ico)
set(ZOLINAR_PNG32 ${CMAKE_CURRENT_BINARY_DIR}/icon-32.png)
set(ZOLINAR_PNG64 ${CMAKE_CURRENT_BINARY_DIR}/icon-64.png)
if(ZOLINAR_ICON_FILES)
    find_program(ZOLINAR_CONVERT convert REQUIRED)
    find_program(ZOLINAR_ICOTOOL icotool REQUIRED)
    set(pngOptions -define png:exclude-chunks=date,time)
    add_custom_command(OUTPUT ${ZOLINAR_ICO} ${ZOLINAR_PNG32} ${ZOLINAR_PNG64}
        COMMAND ${ZOLINAR_CONVERT} ${ZOLINAR_XPM} ${pngOptions} PNG32:${ZOLINAR_PNG32}
        COMMAND ${ZOLINAR_CONVERT} ${ZOLINAR_XPM} -scale 200% ${pngOptions} PNG32:${ZOLINAR_PNG64}
        COMMAND ${ZOLINAR_ICOTOOL} --create --bit-depth=8 --output=${ZOLINAR_ICO} ${ZOLINAR_PNG32}
        DEPENDS ${ZOLINAR_XPM}
        COMMENT "Deriving the icon files from the XPM picture")
    add_custom_target(zolinar_icon ALL DEPENDS ${ZOLINAR_ICO} ${ZOLINAR_PNG32} ${ZOLINAR_PNG64})
elseif(WIN32 OR EMSCRIPTEN)
    message(FATAL_ERROR "The Windows program and the web page need the icon: ZOLINAR_ICON_FILES must be ON")
endif()
set_target_properties(zolinar_app PROPERTIES XPM ${ZOLINAR_XPM} ICO ${ZOLINAR_ICO} PNG32 ${ZOLINAR_PNG32} PNG64 ${ZOLINAR_PNG64})
