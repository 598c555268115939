# Tests of the shared value types and text helpers.

mahjong_add_test(tst_moneytexts
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_moneytexts.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_elide
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_elide.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_tablevalue
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tablevalue.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_tableinfo
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tableinfo.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_tournamentinfo
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentinfo.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_playerdata
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_playerdata.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_urlvariables
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_urlvariables.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_englishplurals
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_englishplurals.cpp
    LIBS mahjong_ui)
