# Chat rooms, the chat line list and the one-to-one manager chats.
mahjong_add_test(tst_chatoutput
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chatoutput.cpp
    LIBS mahjong_ui)
mahjong_add_test(tst_offeredlines
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_offeredlines.cpp
    LIBS mahjong_ui)
mahjong_add_test(tst_xmppconference
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppconference.cpp ${CMAKE_CURRENT_LIST_DIR}/FakeChatServer.h
            ${CMAKE_CURRENT_LIST_DIR}/LoopbackChatServer.h
    LIBS mahjong_ui
    TIMEOUT 90)
# The flood reads the memory the process holds: under AddressSanitizer that includes the
# freed memory it holds back (256 MB by default), which is not the client's.
set_tests_properties(tst_xmppconference PROPERTIES
    ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=path_list_append:quarantine_size_mb=16")
mahjong_add_test(tst_chatwindow
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chatwindow.cpp ${CMAKE_CURRENT_LIST_DIR}/FakeChatServer.h
    LIBS mahjong_ui Qt6::Network)
add_dependencies(tst_chatwindow mahjong-testserver)

# Against the ejabberd of the fixture in xmpp.cmake, which runs in this directory. About
# a minute and a half on a quiet machine; its own server's start, the control nodes and
# the waits for reconnects take four with every core busy beside it.
mahjong_add_test(tst_chatrooms
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chatrooms.cpp
    LIBS mahjong_ui Qt6::Network
    TIMEOUT 420
    ENVIRONMENT XMPP_SERVER_DIR=${CMAKE_CURRENT_BINARY_DIR}/ejabberd-run)
# Among the longest tests: started early, so that the others run beside it.
set_tests_properties(tst_chatrooms PROPERTIES COST 50)
add_dependencies(tst_chatrooms mahjong-testserver)
set_tests_properties(tst_chatrooms PROPERTIES FIXTURES_REQUIRED ejabberd)

# The player's lines reach the others once whatever the link does, against the same
# ejabberd through a relay that fails in the ways a poor connection does.
mahjong_add_test(tst_chatdelivery
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chatdelivery.cpp
    LIBS mahjong_ui Qt6::Network
    TIMEOUT 300
    ENVIRONMENT XMPP_SERVER_DIR=${CMAKE_CURRENT_BINARY_DIR}/ejabberd-run)
set_tests_properties(tst_chatdelivery PROPERTIES COST 40)
add_dependencies(tst_chatdelivery mahjong-testserver)
set_tests_properties(tst_chatdelivery PROPERTIES FIXTURES_REQUIRED ejabberd)
