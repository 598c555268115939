# The game controller between a real connection manager, the table list and the windows.
mahjong_add_table_window_test(tst_gamecontroller SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gamecontroller.cpp)

# One scripted hand through the controller and the window against the test game server.
mahjong_add_table_window_test(tst_handserver SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_handserver.cpp TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_handserver mahjong-testserver)
endif()
