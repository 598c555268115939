# The client's lobby and hands against the demo world of the test game server, beside a
# bare client of the connection manager alone.
mahjong_add_benchmark(bench_demo_world
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/demo_world.cpp
        ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
    LIBS mahjong_ui Qt6::Test)
target_include_directories(bench_demo_world PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table)
target_compile_definitions(bench_demo_world PRIVATE MAHJONG_BENCH_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_demo_world mahjong-testserver)
