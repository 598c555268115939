# The wait cursor by owner.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BusyCursor.h
    ${CMAKE_CURRENT_LIST_DIR}/BusyCursor.cpp
)
