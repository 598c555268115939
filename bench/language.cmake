# A change of the interface language with every window of a session open, beside the
# same change without its font step.
mahjong_add_benchmark(bench_language_change
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/language_change.cpp
    LIBS mahjong_ui Qt6::Test)
target_include_directories(bench_language_change PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/tests/game)
target_compile_definitions(bench_language_change PRIVATE MAHJONG_BENCH_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_language_change mahjong-testserver)
