# The play tests drive the same windows as the window tests, with the same
# fixture.
target_sources(test_gui_play PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window/WindowFixture.cpp)
target_include_directories(test_gui_play PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui_window)
# Clicks on the toolbar go through QTest, so that Qt's own focus-on-click
# rules apply as they do to the player's clicks.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(test_gui_play PRIVATE Qt6::Test)
