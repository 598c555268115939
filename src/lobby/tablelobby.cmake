# The table lobby: filters, the lobby model, the lobby window and the compact table cards.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/LobbyFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyTableFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyTableFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyModel.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyModel.cpp
)
