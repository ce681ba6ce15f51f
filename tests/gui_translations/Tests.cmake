# The catalogues of the game's texts: loaded as the program loads them, read
# back as Linguist files, and the windows built in every shipped language.
# The fit tests drive the same windows as the window tests, with their fixture.
target_sources(test_gui_translations PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window/WindowFixture.cpp)
target_include_directories(test_gui_translations PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window)
add_dependencies(test_gui_translations quorlane_lrelease)
target_compile_definitions(test_gui_translations PRIVATE
  QUORLANE_CATALOGUE_BUILD_DIR="${QUORLANE_CATALOGUE_BUILD_DIR}"
  QUORLANE_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")
