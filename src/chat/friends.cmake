# The friends page, its friend details and the friend search dialog.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FriendSearchView.ui
    ${CMAKE_CURRENT_LIST_DIR}/FriendSearchWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/FriendSearchWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FriendDetailView.ui
    ${CMAKE_CURRENT_LIST_DIR}/FriendDetailWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/FriendDetailWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FriendsView.ui
    ${CMAKE_CURRENT_LIST_DIR}/FriendsWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/FriendsWindow.cpp
)
