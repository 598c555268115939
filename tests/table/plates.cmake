# Turn timer and player plates.
mahjong_add_test(tst_timerview
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_timerview.cpp ${CMAKE_CURRENT_LIST_DIR}/TestServerClock.h
    LIBS mahjong_ui)
mahjong_add_test(tst_playerwidget
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playerwidget.cpp ${CMAKE_CURRENT_LIST_DIR}/TestServerClock.h
    LIBS mahjong_ui)
