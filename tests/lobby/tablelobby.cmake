# The table lobby: filters, lobby model, lobby window and compact table cards.
mahjong_add_test(tst_lobbyfilters SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_lobbyfilters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h LIBS mahjong_ui)
mahjong_add_test(tst_lobbywindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_lobbywindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lobbyscreenshot.h ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h LIBS mahjong_ui)
mahjong_add_test(tst_compacttableview SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_compacttableview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lobbyscreenshot.h ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h LIBS mahjong_ui)
mahjong_add_test(tst_tablelobbyserver SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tablelobbyserver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lobbyscreenshot.h ${CMAKE_CURRENT_LIST_DIR}/lobbyserverfixture.h LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_tablelobbyserver mahjong-testserver)
endif()
