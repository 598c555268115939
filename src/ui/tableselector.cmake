# The strip of open-table buttons beside the lobby button.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SelectorButton.h
    ${CMAKE_CURRENT_LIST_DIR}/SelectorButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableSelector.h
    ${CMAKE_CURRENT_LIST_DIR}/TableSelector.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableSelector.ui
)
