# Animations of the table scene: the base, the flying tiles and their sizes.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/GameWindowAnimation.h
    ${CMAKE_CURRENT_LIST_DIR}/GameWindowAnimation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TileMetrics.h
    ${CMAKE_CURRENT_LIST_DIR}/TileMetrics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimation.h
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimationSet.h
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimationSet.cpp
)
