# The windows of the chat rooms, the chat line list, the one-to-one manager chats and
# the table chat of the side bar (their models without windows are mahjong_chat's).
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ChatOutputWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/ChatOutputWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChatManager.h
    ${CMAKE_CURRENT_LIST_DIR}/ChatManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChatWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/ChatWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChatWindow.ui
    ${CMAKE_CURRENT_LIST_DIR}/ChatController.h
    ${CMAKE_CURRENT_LIST_DIR}/OfferedLines.h
    ${CMAKE_CURRENT_LIST_DIR}/OfferedLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LineSender.h
    ${CMAKE_CURRENT_LIST_DIR}/LineSender.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConferenceWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/ConferenceWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConferenceView.ui
    ${CMAKE_CURRENT_LIST_DIR}/ConferenceTableChat.h
    ${CMAKE_CURRENT_LIST_DIR}/ConferenceTableChat.cpp
)
