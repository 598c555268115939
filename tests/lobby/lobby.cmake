mahjong_add_test(tst_customitem SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_customitem.cpp LIBS mahjong_ui)
mahjong_add_test(tst_tablemodel SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tablemodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h LIBS mahjong_ui)
mahjong_add_test(tst_localizationdb SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_localizationdb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h LIBS mahjong_ui)
mahjong_add_test(tst_lobbyserver SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_lobbyserver.cpp LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_lobbyserver mahjong-testserver)
endif()
