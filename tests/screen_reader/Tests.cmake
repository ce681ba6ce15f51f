# A game played and read through the real AT-SPI stack, by a script in the
# role of the screen reader. It needs Debian's own Python, which has pyatspi,
# whatever python3 comes first on the path; it starts its own D-Bus session,
# accessibility bus and X server, and leaves nothing behind.
add_test(NAME ScreenReader.AGameIsPlayedAndReadThroughAtSpi
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/screen_reader/screen_reader_test.py
                 $<TARGET_FILE:quorlane> ${PROJECT_SOURCE_DIR}/Patterns)
set_tests_properties(ScreenReader.AGameIsPlayedAndReadThroughAtSpi PROPERTIES TIMEOUT 120)
