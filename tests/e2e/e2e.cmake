# End-to-end: the whole client against the demo world of the test game server and a real
# ejabberd of its own (the game server registers its accounts at login), on a screen
# large enough for the main window.
set(e2e_chat_dir ${CMAKE_CURRENT_BINARY_DIR}/e2e-ejabberd-run)
# Stopped with the run (CTest) should it end before the stop.
set(e2e_chat_server sh -c "OWNER_PID=$PPID exec \"$0\" \"$@\"" ${PROJECT_SOURCE_DIR}/tools/ejabberd/ejabberd-test-server.sh)
add_test(NAME e2e_chat_start COMMAND ${e2e_chat_server} start ${e2e_chat_dir})
add_test(NAME e2e_chat_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/ejabberd/ejabberd-test-server.sh stop ${e2e_chat_dir})
set_tests_properties(e2e_chat_start PROPERTIES FIXTURES_SETUP e2e_chat TIMEOUT 240)
set_tests_properties(e2e_chat_stop PROPERTIES FIXTURES_CLEANUP e2e_chat TIMEOUT 30)

mahjong_add_test(tst_e2e_client
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_e2e_client.cpp
    LIBS mahjong_ui
    TIMEOUT 180
    ENVIRONMENT "XMPP_SERVER_DIR=${e2e_chat_dir};QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
target_include_directories(tst_e2e_client PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/ui)
add_dependencies(tst_e2e_client mahjong-testserver)
set_tests_properties(tst_e2e_client PROPERTIES FIXTURES_REQUIRED e2e_chat)
set(e2e_screen ${CMAKE_CURRENT_BINARY_DIR}/e2e-screen.json)
file(WRITE ${e2e_screen} "{ \"screens\": [ { \"name\": \"large\", \"x\": 0, \"y\": 0, \"width\": 1920, \"height\": 1080 } ] }\n")
set_property(TEST tst_e2e_client APPEND PROPERTY ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${e2e_screen}")

# The demo world's manager greets each client of a player in its language, on the same
# chat server: the demo worlds of both tests number their players alike, so they take
# turns.
mahjong_add_test(tst_demomanager
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_demomanager.cpp
    LIBS mahjong_connection mahjong_xmpp
    TIMEOUT 300
    ENVIRONMENT "XMPP_SERVER_DIR=${e2e_chat_dir}")
target_include_directories(tst_demomanager PRIVATE ${PROJECT_SOURCE_DIR}/tests/chat)
add_dependencies(tst_demomanager mahjong-testserver)
set_tests_properties(tst_demomanager PROPERTIES FIXTURES_REQUIRED e2e_chat)
set_tests_properties(tst_demomanager tst_e2e_client PROPERTIES RESOURCE_LOCK e2e_chat_accounts)

# The run script keeps the world for a second client when its own client ends, and then
# leaves no server and no temporary directory; its chat server outlives the chat script's
# watchdog time (20 s here). A chat server start alone takes 35 s with every core busy.
add_test(NAME run_client_stops_servers
    COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/run-client-stops-servers.py ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
set_tests_properties(run_client_stops_servers PROPERTIES TIMEOUT 180)
