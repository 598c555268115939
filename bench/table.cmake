# Drawing a whole table scene against drawing its tile images alone.
mahjong_add_benchmark(bench_table_scene
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/table_scene.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/TableComposition.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/TableComposition.h
    LIBS mahjong_ui)
target_include_directories(bench_table_scene PRIVATE ${PROJECT_SOURCE_DIR}/tests/table)
