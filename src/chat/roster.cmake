# The roster and friends models, player pictures and table presence.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/XMPPRosterModel.h
    ${CMAKE_CURRENT_LIST_DIR}/XMPPRosterModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RosterAvailability.h
    ${CMAKE_CURRENT_LIST_DIR}/RosterAvailability.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XMPPRosterModelProxy.h
    ${CMAKE_CURRENT_LIST_DIR}/XMPPRosterModelProxy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FriendsRosterModel.h
    ${CMAKE_CURRENT_LIST_DIR}/FriendsRosterModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FriendsFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/FriendsFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerDbChatAdapter.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerDbChatAdapter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePresenceManager.h
    ${CMAKE_CURRENT_LIST_DIR}/TablePresenceManager.cpp
)
