# Rendering, reading and rescaling of tile image sets.
mahjong_add_benchmark(bench_tiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/tiles.cpp LIBS mahjong_ui)
