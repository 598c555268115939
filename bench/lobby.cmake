mahjong_add_benchmark(bench_tablemodel SOURCES ${CMAKE_CURRENT_LIST_DIR}/lobby_tablemodel.cpp LIBS mahjong_ui)
