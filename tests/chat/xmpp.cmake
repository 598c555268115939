# Tests of the XMPP client core.
mahjong_add_test(tst_xmppvalues
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppvalues.cpp
    LIBS mahjong_xmpp)
# Its parses are compared as the chat fuzz target describes them, which drives the chat
# without windows too.
mahjong_add_test(tst_xmppcodec
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppcodec.cpp
            ${CMAKE_CURRENT_LIST_DIR}/chat_fuzz_entry.h ${CMAKE_CURRENT_LIST_DIR}/chat_fuzz_entry.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SteeredDispatcher.h ${CMAKE_CURRENT_LIST_DIR}/SteeredDispatcher.cpp
    LIBS mahjong_chat)
mahjong_add_test(tst_roomlinebook
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_roomlinebook.cpp
    LIBS mahjong_xmpp)
mahjong_add_test(tst_xmppclient
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppclient.cpp
    LIBS mahjong_xmpp
    TIMEOUT 60)

# A real ejabberd for the integration tests, started once per test run and stopped
# afterwards also when tests fail, and with the run (CTest) should it end first.
set(xmpp_server_script ${PROJECT_SOURCE_DIR}/tools/ejabberd/ejabberd-test-server.sh)
set(xmpp_server_dir ${CMAKE_CURRENT_BINARY_DIR}/ejabberd-run)
set(xmpp_server_of_the_run sh -c "OWNER_PID=$PPID exec \"$0\" \"$@\"" ${xmpp_server_script})
add_test(NAME xmpp_server_start COMMAND ${xmpp_server_of_the_run} start ${xmpp_server_dir}
    1001:secret 1002:secret 1003:secret 1004:secret 1005:secret 1006:secret 1007:secret 1008:secret)
add_test(NAME xmpp_server_stop COMMAND ${xmpp_server_script} stop ${xmpp_server_dir})
set_tests_properties(xmpp_server_start PROPERTIES FIXTURES_SETUP ejabberd TIMEOUT 240)
set_tests_properties(xmpp_server_stop PROPERTIES FIXTURES_CLEANUP ejabberd TIMEOUT 30)

mahjong_add_test(tst_xmppejabberd
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppejabberd.cpp
    LIBS mahjong_xmpp
    TIMEOUT 60
    ENVIRONMENT XMPP_SERVER_DIR=${xmpp_server_dir})
set_tests_properties(tst_xmppejabberd PROPERTIES FIXTURES_REQUIRED ejabberd)
