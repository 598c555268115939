# End-to-end: the client's windows against the demo world of the test game server and a
# real ejabberd of their own (its accounts are registered by the game server at login).
set(e2e_chat_dir ${CMAKE_CURRENT_BINARY_DIR}/e2e-ejabberd-run)
add_test(NAME e2e_chat_start COMMAND ${PROJECT_SOURCE_DIR}/tools/ejabberd/ejabberd-test-server.sh start ${e2e_chat_dir})
add_test(NAME e2e_chat_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/ejabberd/ejabberd-test-server.sh stop ${e2e_chat_dir})
set_tests_properties(e2e_chat_start PROPERTIES FIXTURES_SETUP e2e_chat TIMEOUT 60)
set_tests_properties(e2e_chat_stop PROPERTIES FIXTURES_CLEANUP e2e_chat TIMEOUT 30)

mahjong_add_test(tst_e2e_table
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_e2e_table.cpp ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
    LIBS mahjong_ui
    TIMEOUT 120
    ENVIRONMENT XMPP_SERVER_DIR=${e2e_chat_dir})
target_include_directories(tst_e2e_table PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table
                           ${PROJECT_SOURCE_DIR}/tests/chat ${PROJECT_SOURCE_DIR}/tests/lobby)
add_dependencies(tst_e2e_table mahjong-testserver)
set_tests_properties(tst_e2e_table PROPERTIES FIXTURES_REQUIRED e2e_chat)
