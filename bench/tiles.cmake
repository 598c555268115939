# Rendering, reading and rescaling of tile image sets.
mahjong_add_benchmark(bench_tiles
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tiles.cpp
        ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
    LIBS mahjong_ui)
target_include_directories(bench_tiles PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
