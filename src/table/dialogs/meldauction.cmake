# The meld auction and its rows.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MeldChoice.h
    ${CMAKE_CURRENT_LIST_DIR}/MeldChoice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeldChoice.ui
    ${CMAKE_CURRENT_LIST_DIR}/MeldAuction.h
    ${CMAKE_CURRENT_LIST_DIR}/MeldAuction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeldAuction.ui
)
