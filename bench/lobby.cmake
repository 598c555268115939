mahjong_add_benchmark(bench_tablemodel SOURCES ${CMAKE_CURRENT_LIST_DIR}/lobby_tablemodel.cpp LIBS mahjong_ui)
mahjong_add_benchmark(bench_lobbyfilter SOURCES ${CMAKE_CURRENT_LIST_DIR}/lobby_filter.cpp LIBS mahjong_ui)
