# Tests of the roster, friends models, player pictures and table presence. Included
# after xmpp.cmake, whose ejabberd fixture the last one uses.
mahjong_add_test(tst_rostercodec
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rostercodec.cpp
    LIBS mahjong_xmpp)
mahjong_add_test(tst_rosterclient
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rosterclient.cpp ${CMAKE_CURRENT_LIST_DIR}/FakeChatServer.h
    LIBS mahjong_xmpp
    TIMEOUT 60)

mahjong_add_test(tst_rostermodels
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rostermodels.cpp
    LIBS mahjong_ui Qt6::Network)
add_dependencies(tst_rostermodels mahjong-testserver)

mahjong_add_test(tst_rosterejabberd
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_rosterejabberd.cpp
    LIBS mahjong_ui Qt6::Network
    TIMEOUT 120
    ENVIRONMENT XMPP_SERVER_DIR=${xmpp_server_dir})
add_dependencies(tst_rosterejabberd mahjong-testserver)
set_tests_properties(tst_rosterejabberd PROPERTIES FIXTURES_REQUIRED ejabberd)
