# The README's pictures, taken from the real game by `make screenshots`.
add_executable(quorlane-screenshots ${PROJECT_SOURCE_DIR}/docs/screenshots/Screenshots.cpp)
target_link_libraries(quorlane-screenshots PRIVATE quorlane-ui)
