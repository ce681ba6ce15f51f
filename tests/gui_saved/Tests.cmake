# The saved game's tests drive the same windows as the window tests, with the
# same fixture, and run a copy of the game in a child process of its own.
target_sources(test_gui_saved PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window/WindowFixture.cpp)
target_include_directories(test_gui_saved PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window)
add_executable(quorlane-kept-game-child ${dir}/child/KeptGameChild.cpp)
target_link_libraries(quorlane-kept-game-child PRIVATE quorlane-ui)
target_compile_options(quorlane-kept-game-child PRIVATE ${test_code_options})
add_dependencies(test_gui_saved quorlane-kept-game-child)
target_compile_definitions(test_gui_saved PRIVATE
  QUORLANE_KEPT_GAME_CHILD="$<TARGET_FILE:quorlane-kept-game-child>")
