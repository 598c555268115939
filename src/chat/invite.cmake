# The players that can be invited to a table.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TableInviteModel.h
    ${CMAKE_CURRENT_LIST_DIR}/TableInviteModel.cpp
)
