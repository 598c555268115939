mahjong_add_test(tst_tableselector SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tableselector.cpp LIBS mahjong_ui)
