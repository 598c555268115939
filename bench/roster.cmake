# The friends list models under a flood of presences, against a plain item model.
mahjong_add_benchmark(bench_roster SOURCES ${CMAKE_CURRENT_LIST_DIR}/roster.cpp LIBS mahjong_ui)
