# The main window's session against the test game server and ejabberd, on a screen large
# enough for the window's full size.
mahjong_add_test(tst_mainwindowsession
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mainwindowsession.cpp
    LIBS mahjong_ui
    TIMEOUT 180
    ENVIRONMENT "XMPP_SERVER_DIR=${PROJECT_BINARY_DIR}/tests/ejabberd-run;QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
set_tests_properties(tst_mainwindowsession PROPERTIES FIXTURES_REQUIRED ejabberd)
add_dependencies(tst_mainwindowsession mahjong-testserver)
set(session_screen ${CMAKE_CURRENT_BINARY_DIR}/session-screen.json)
file(WRITE ${session_screen} "{ \"screens\": [ { \"name\": \"large\", \"x\": 0, \"y\": 0, \"width\": 1920, \"height\": 1080 } ] }\n")
set_property(TEST tst_mainwindowsession APPEND PROPERTY ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${session_screen}")
