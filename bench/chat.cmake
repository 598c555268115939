mahjong_add_benchmark(bench_chat_lines SOURCES ${CMAKE_CURRENT_LIST_DIR}/chat_lines.cpp LIBS mahjong_ui)
# A megabyte room message and 20,000 lines in one view, against a plain text view.
mahjong_add_benchmark(bench_chat_room_message SOURCES ${CMAKE_CURRENT_LIST_DIR}/chat_room_message.cpp LIBS mahjong_ui)
