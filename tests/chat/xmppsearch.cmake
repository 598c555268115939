# Tests of data forms and the user search. Included after xmpp.cmake, whose ejabberd
# fixture the last one uses.
mahjong_add_test(tst_xmppsearch
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppsearch.cpp ${CMAKE_CURRENT_LIST_DIR}/FakeChatServer.h
    LIBS mahjong_xmpp
    TIMEOUT 60)
mahjong_add_test(tst_searchejabberd
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_searchejabberd.cpp
    LIBS mahjong_xmpp
    TIMEOUT 60
    ENVIRONMENT XMPP_SERVER_DIR=${xmpp_server_dir})
set_tests_properties(tst_searchejabberd PROPERTIES FIXTURES_REQUIRED ejabberd)
