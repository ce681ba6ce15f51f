# The game's pictures and its installation as a desktop program.
#
# One drawing (about/art) makes every picture: the about box's JPEG, the
# application icons at each theme size, and the scalable SVG icon. The tool
# runs on the build machine; the JPEG is encoded by libjpeg's own cjpeg so
# that the about box shows a true progressive JPEG.

include(GNUInstallDirs)

set(QUORLANE_APP_ID org.quorlane.Quorlane)
set(QUORLANE_ICON_SIZES 16 32 48 64 128 256)
set(art_dir ${PROJECT_BINARY_DIR}/art)
file(MAKE_DIRECTORY ${art_dir})

file(GLOB art_tool_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/about/art/*.cpp)
add_executable(quorlane-art ${art_tool_sources})
target_include_directories(quorlane-art PRIVATE ${PROJECT_SOURCE_DIR})

find_program(QUORLANE_CJPEG cjpeg REQUIRED)

# Quality 96 without chroma subsampling keeps the one-pixel bevels and the
# glyphs' edges clean, at about 8 kB.
add_custom_command(
  OUTPUT ${art_dir}/about-picture.ppm
  COMMAND quorlane-art ppm ${art_dir}/about-picture.ppm
  DEPENDS quorlane-art
  COMMENT "Drawing the about picture")
add_custom_command(
  OUTPUT ${art_dir}/about-picture.jpg
  COMMAND ${QUORLANE_CJPEG} -progressive -optimize -quality 96 -sample 1x1
          -outfile ${art_dir}/about-picture.jpg ${art_dir}/about-picture.ppm
  DEPENDS ${art_dir}/about-picture.ppm
  COMMENT "Encoding the about picture as a progressive JPEG")

set(icon_files "")
set(icon_embed_args "")
foreach(size IN LISTS QUORLANE_ICON_SIZES)
  set(png ${art_dir}/icon-${size}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND quorlane-art png ${size} ${png}
    DEPENDS quorlane-art
    COMMENT "Drawing the ${size} x ${size} icon")
  list(APPEND icon_files ${png})
  list(APPEND icon_embed_args ${size}=${png})
endforeach()
add_custom_command(
  OUTPUT ${art_dir}/icon.svg
  COMMAND quorlane-art svg ${art_dir}/icon.svg
  DEPENDS quorlane-art
  COMMENT "Drawing the scalable icon")

add_custom_command(
  OUTPUT ${art_dir}/EmbeddedArt.cpp
  COMMAND quorlane-art embed ${art_dir}/EmbeddedArt.cpp ${art_dir}/about-picture.jpg ${icon_embed_args}
  DEPENDS quorlane-art ${art_dir}/about-picture.jpg ${icon_files}
  COMMENT "Embedding the pictures")
add_custom_target(quorlane-artwork ALL DEPENDS ${art_dir}/icon.svg ${icon_files} ${art_dir}/about-picture.jpg)

target_sources(quorlane-core PRIVATE ${art_dir}/EmbeddedArt.cpp)

# --- Installation -----------------------------------------------------------
# The game itself still plays in whatever folder it is started in. The menu
# entry starts it through the launcher, which gives the player a data folder
# with the pattern library in it.

set(QUORLANE_PATTERN_LIBRARY_DIR ${CMAKE_INSTALL_DATADIR}/quorlane/Patterns)
install(TARGETS quorlane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Globbed when installing: the library grows without touching this file.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Patterns/ DESTINATION ${QUORLANE_PATTERN_LIBRARY_DIR}
        FILES_MATCHING PATTERN "*.tes")

# The launcher finds the game and the library relative to itself, so an
# installed tree can be moved as a whole.
function(quorlane_path_from_bindir out target)
  if(IS_ABSOLUTE "${target}")
    set(${out} "${target}" PARENT_SCOPE)
  else()
    file(RELATIVE_PATH relative /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${target})
    set(${out} "${relative}" PARENT_SCOPE)
  endif()
endfunction()
quorlane_path_from_bindir(QUORLANE_LAUNCHER_TO_GAME ${CMAKE_INSTALL_BINDIR}/quorlane)
quorlane_path_from_bindir(QUORLANE_LAUNCHER_TO_PATTERNS ${QUORLANE_PATTERN_LIBRARY_DIR})
configure_file(${PROJECT_SOURCE_DIR}/about/desktop/quorlane-launcher.in ${art_dir}/quorlane-launcher @ONLY)
install(PROGRAMS ${art_dir}/quorlane-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})

install(CODE "
  set(QUORLANE_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/about/desktop/${QUORLANE_APP_ID}.desktop.in\")
  set(QUORLANE_DESKTOP_STAGING \"${art_dir}/install/${QUORLANE_APP_ID}.desktop\")
  set(QUORLANE_LAUNCHER_RELATIVE \"${CMAKE_INSTALL_BINDIR}/quorlane-launcher\")
  set(QUORLANE_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
  include(\"${PROJECT_SOURCE_DIR}/about/desktop/InstallDesktopEntry.cmake\")
")

foreach(size IN LISTS QUORLANE_ICON_SIZES)
  install(FILES ${art_dir}/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUORLANE_APP_ID}.png)
endforeach()
install(FILES ${art_dir}/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUORLANE_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/about/desktop/${QUORLANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(${PROJECT_SOURCE_DIR}/about/package/Package.cmake)
