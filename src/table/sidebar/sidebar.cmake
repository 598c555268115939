# The side bar beside the table and the seam of its chat room.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TableChat.h
    ${CMAKE_CURRENT_LIST_DIR}/SideBar.h
    ${CMAKE_CURRENT_LIST_DIR}/SideBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SideBar.ui
    ${CMAKE_CURRENT_LIST_DIR}/PendingPlates.h
    ${CMAKE_CURRENT_LIST_DIR}/PendingPlates.cpp
)
