# The play tests drive the same windows as the window tests, with the same
# fixture.
target_sources(test_gui_play PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window/WindowFixture.cpp)
target_include_directories(test_gui_play PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window)
