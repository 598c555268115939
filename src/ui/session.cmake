# The main window's session: connection and login, tables and invitations, quitting.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowLogin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowQuit.cpp
)
