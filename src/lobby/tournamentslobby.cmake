# The Tournaments tab with its filter, and the lobby's tournament panels.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TournamentLobbyFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentLobbyFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsLobbyWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsLobbyWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsLobbyView.ui
    ${CMAKE_CURRENT_LIST_DIR}/TournamentPreview.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentPreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentPreview.ui
    ${CMAKE_CURRENT_LIST_DIR}/ComingTournamentsWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/ComingTournamentsWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComingTournamentsWidget.ui
)
