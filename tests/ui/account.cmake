mahjong_add_test(tst_busycursor SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_busycursor.cpp LIBS mahjong_ui)
