mahjong_add_benchmark(bench_tournaments SOURCES ${CMAKE_CURRENT_LIST_DIR}/tournaments.cpp LIBS mahjong_ui)
