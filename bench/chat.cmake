mahjong_add_benchmark(bench_chat_lines SOURCES ${CMAKE_CURRENT_LIST_DIR}/chat_lines.cpp LIBS mahjong_ui)
# A megabyte room message and 20,000 lines in one view, against a plain text view.
mahjong_add_benchmark(bench_chat_room_message SOURCES ${CMAKE_CURRENT_LIST_DIR}/chat_room_message.cpp LIBS mahjong_ui)
# A burst of 20,000 room lines from a loopback chat server: its time and the longest
# stall of the event loop, beside one ordinary line.
mahjong_add_benchmark(bench_chat_burst
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/chat_burst.cpp ${PROJECT_SOURCE_DIR}/tests/chat/LoopbackChatServer.h
    LIBS mahjong_ui)
target_include_directories(bench_chat_burst PRIVATE ${PROJECT_SOURCE_DIR}/tests)
