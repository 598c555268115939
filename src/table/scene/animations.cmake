# Animations of the table scene.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/GameWindowAnimation.h
    ${CMAKE_CURRENT_LIST_DIR}/GameWindowAnimation.cpp
)
