# Once more on a screen of two device pixels per logical pixel: nothing
# drawn may depend on the screen's ratio by accident.
gtest_discover_tests(${target}
  TEST_PREFIX "scale2."
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2;QUORLANE_SOURCE_DIR=${PROJECT_SOURCE_DIR};${QUORLANE_TEST_LOCALE}"
  DISCOVERY_TIMEOUT 60)
