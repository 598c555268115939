# The regular and compact table layouts.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TableLayoutHost.h
    ${CMAKE_CURRENT_LIST_DIR}/GameTableLayout.h
    ${CMAKE_CURRENT_LIST_DIR}/GameTableLayout.cpp
)
