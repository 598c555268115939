# The end-of-hand score board.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ScoreBoard.h
    ${CMAKE_CURRENT_LIST_DIR}/ScoreBoard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScoreBoard.ui
)
