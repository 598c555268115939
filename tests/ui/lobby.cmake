# The dialogs in both skins include the tournament dialog and its web page.
mahjong_add_test(tst_mahjongdialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mahjongdialog.cpp LIBS mahjong_ui
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
mahjong_add_test(tst_modelessmsgbox SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_modelessmsgbox.cpp LIBS mahjong_ui)
mahjong_add_test(tst_smallwidgets SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_smallwidgets.cpp LIBS mahjong_ui)
mahjong_add_test(tst_utimer SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_utimer.cpp LIBS mahjong_ui)
