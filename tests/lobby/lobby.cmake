mahjong_add_test(tst_customitem SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_customitem.cpp LIBS mahjong_ui)
