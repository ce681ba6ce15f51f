# The shipped pattern library is found through QUORLANE_SOURCE_DIR, which
# CTest sets; this fallback lets the program also run by hand.
target_compile_definitions(${target} PRIVATE QUORLANE_SOURCE_DIR_FALLBACK="${PROJECT_SOURCE_DIR}")
