# The decoder once more under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer: damaged input must not read out of bounds, jump
# over a live object, or leave any of libjpeg's memory behind. Only the
# decoder, the embedded pictures and libjpeg are linked, so the sanitizers
# watch exactly that code. A build that is sanitized as a whole runs these
# tests so already.
if(QUORLANE_SANITIZED_BUILD)
  return()
endif()
file(GLOB core_about_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(test_core_about_sanitized ${core_about_tests}
               ${PROJECT_SOURCE_DIR}/about/JpegDecoder.cpp ${PROJECT_BINARY_DIR}/art/EmbeddedArt.cpp)
add_dependencies(test_core_about_sanitized quorlane-artwork)
target_include_directories(test_core_about_sanitized PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
set(quorlane_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(test_core_about_sanitized PRIVATE ${quorlane_sanitizers})
target_link_options(test_core_about_sanitized PRIVATE ${quorlane_sanitizers})
target_link_libraries(test_core_about_sanitized PRIVATE JPEG::JPEG GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_core_about_sanitized
  TEST_PREFIX "sanitized."
  PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1;UBSAN_OPTIONS=print_stacktrace=1;${QUORLANE_TEST_LOCALE}"
  DISCOVERY_TIMEOUT 60)
