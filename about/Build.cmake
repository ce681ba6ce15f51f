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
