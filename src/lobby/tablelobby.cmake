# The table lobby: filters, the lobby model, the lobby window and the compact table cards.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/LobbyFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyTableFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyTableFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyModel.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyView.ui
    ${CMAKE_CURRENT_LIST_DIR}/EvenRowDelegate.h
    ${CMAKE_CURRENT_LIST_DIR}/EvenRowDelegate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableCapacityWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/TableCapacityWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompactTableItem.h
    ${CMAKE_CURRENT_LIST_DIR}/CompactTableItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompactTableItem.ui
    ${CMAKE_CURRENT_LIST_DIR}/CompactTableView.h
    ${CMAKE_CURRENT_LIST_DIR}/CompactTableView.cpp
)
