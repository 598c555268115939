# A local page in a page pane until it has the "client" object, against a bare view.
mahjong_add_benchmark(bench_webpages
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/webpages.cpp
    LIBS mahjong_ui)
