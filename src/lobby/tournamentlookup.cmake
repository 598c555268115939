# The table side's view of the tournament lobby.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsControllerLookup.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentsControllerLookup.cpp
)
