# Parse throughput of the chat stream codec against the bare tokeniser.
mahjong_add_benchmark(bench_xmppparser
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/xmpp/bench_xmppparser.cpp
    LIBS mahjong_xmpp)
target_compile_definitions(bench_xmppparser PRIVATE
    MAHJONG_BENCH_DATA="${PROJECT_SOURCE_DIR}/tests/chat/data")
