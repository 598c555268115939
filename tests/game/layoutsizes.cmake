# A late hand's table at the window sizes players use, in both layouts.
mahjong_add_table_window_test(tst_layout_sizes SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_layout_sizes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePieces.cpp ${CMAKE_CURRENT_LIST_DIR}/TablePieces.h)
