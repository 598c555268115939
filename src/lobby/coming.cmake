# Coming-event notices and table invitations.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ComingEventsModel.h
    ${CMAKE_CURRENT_LIST_DIR}/ComingEventsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComingEventsView.h
    ${CMAKE_CURRENT_LIST_DIR}/ComingEventsView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComingEventPopup.h
    ${CMAKE_CURRENT_LIST_DIR}/ComingEventPopup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableInvitationDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/TableInvitationDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableInvitationDialog.ui
)
