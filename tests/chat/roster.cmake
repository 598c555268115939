# Tests of the roster, friends models, player pictures and table presence.
mahjong_add_test(tst_rostercodec
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rostercodec.cpp
    LIBS mahjong_xmpp)

mahjong_add_test(tst_rostermodels
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rostermodels.cpp
    LIBS mahjong_ui Qt6::Network)
add_dependencies(tst_rostermodels mahjong-testserver)
