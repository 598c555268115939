# A table at the window sizes players use, in both layouts, from the deal with flowers to
# four kongs beside the last tiles.
mahjong_add_table_window_test(tst_layout_sizes TIMEOUT 180 SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_layout_sizes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePieces.cpp ${CMAKE_CURRENT_LIST_DIR}/TablePieces.h)
