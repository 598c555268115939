# The table window driven through its model.
mahjong_add_table_window_test(tst_gamewindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gamewindow.cpp)
