# Tests of the friend search dialog and the friends page. Included after xmpp.cmake,
# whose ejabberd fixture (with its user search service) the first one uses.
mahjong_add_test(tst_friendsearchwindow
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_friendsearchwindow.cpp
    LIBS mahjong_ui Qt6::Network
    TIMEOUT 120
    ENVIRONMENT XMPP_SERVER_DIR=${xmpp_server_dir})
set_tests_properties(tst_friendsearchwindow PROPERTIES FIXTURES_REQUIRED ejabberd)
mahjong_add_test(tst_friendswindow
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_friendswindow.cpp ${CMAKE_CURRENT_LIST_DIR}/FakeChatServer.h
    LIBS mahjong_ui Qt6::Network
    TIMEOUT 60)
add_dependencies(tst_friendswindow mahjong-testserver)
