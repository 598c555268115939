# The main window: its shell and form, and the lobby tabs and pages.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowTabs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainView.ui
    ${CMAKE_CURRENT_LIST_DIR}/WindowFit.h
    ${CMAKE_CURRENT_LIST_DIR}/WindowFit.cpp
)
