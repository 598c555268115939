# The side bar.
mahjong_add_test(tst_sidebar
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_sidebar.cpp ${CMAKE_CURRENT_LIST_DIR}/TestServerClock.h
    LIBS mahjong_ui)
