# Tournaments: the tournament list, registration and the tournament detail dialog.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CheckedItem.h
    ${CMAKE_CURRENT_LIST_DIR}/CheckedItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsLobbyModel.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsLobbyModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JoinDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/JoinDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JoinDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/TournamentPrizeStructureModel.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentPrizeStructureModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentRankingModel.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentRankingModel.cpp
)
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TournamentDetailDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentDetailDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentDetailDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsController.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsController.cpp
)
