# The table's event queue and layouts.
mahjong_add_benchmark(bench_table_queue
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/table_queue.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/TestTableHost.cpp
        ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
    LIBS mahjong_ui Qt6::Test)
target_include_directories(bench_table_queue PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table)
