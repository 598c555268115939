# Codec throughput against QDataStream and memcpy of the same bytes.
mahjong_add_benchmark(bench_protocol
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_protocol.cpp
    LIBS mahjong_core)
