mahjong_add_test(tst_avatardialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avatardialog.cpp LIBS mahjong_ui)
mahjong_add_test(tst_preferenceswindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_preferenceswindow.cpp LIBS mahjong_ui)
