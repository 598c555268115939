# The preferences page and the avatar dialog.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Avatar.h
    ${CMAKE_CURRENT_LIST_DIR}/Avatar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AvatarDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/AvatarDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AvatarDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/PreferencesWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/PreferencesWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreferencesView.ui
)
