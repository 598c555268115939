mahjong_add_benchmark(bench_chat_lines SOURCES ${CMAKE_CURRENT_LIST_DIR}/chat_lines.cpp LIBS mahjong_ui)
