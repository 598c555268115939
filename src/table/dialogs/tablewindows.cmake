# The washout and seated windows, the round score board, the invitation dialog and the
# overlays of waiting, watching and inactivity.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WashoutWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/WashoutWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WashoutWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/SeatedWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/SeatedWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SeatedWindowWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/RoundScoreWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/RoundScoreWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RoundScoreWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/RoundScoreBoard.h
    ${CMAKE_CURRENT_LIST_DIR}/RoundScoreBoard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RoundScoreBoard.ui
    ${CMAKE_CURRENT_LIST_DIR}/TableInviteDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/TableInviteDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableInviteDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/WaitingForPlayersWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/WaitingForPlayersWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WaitingForPlayersWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/WatchingWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/WatchingWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WatchingWindowWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/PlayerInactiveWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerInactiveWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerInactiveWidget.ui
)
