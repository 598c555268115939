# The table lobby: filters, lobby model, lobby window and compact table cards.
mahjong_add_test(tst_lobbyfilters SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_lobbyfilters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h LIBS mahjong_ui)
