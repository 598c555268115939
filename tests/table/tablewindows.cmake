# The washout and seated windows, the overlays, the round score board and the
# invitation dialog.
mahjong_add_test(tst_tablewindows
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tablewindows.cpp ${CMAKE_CURRENT_LIST_DIR}/TestServerClock.h
    LIBS mahjong_ui)
mahjong_add_test(tst_playerlists
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playerlists.cpp
    LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_playerlists mahjong-testserver)
endif()
