# Tile views, tile groups with drop shadows, the animation endpoints and the
# table scene.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/GraphicsNode.h
    ${CMAKE_CURRENT_LIST_DIR}/GraphicsNode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShadowedGroup.h
    ${CMAKE_CURRENT_LIST_DIR}/ShadowedGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TilePlacement.h
    ${CMAKE_CURRENT_LIST_DIR}/TileView.h
    ${CMAKE_CURRENT_LIST_DIR}/TileView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimationSource.h
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimationSource.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimationTarget.h
    ${CMAKE_CURRENT_LIST_DIR}/TileAnimationTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameGraphicsScene.h
    ${CMAKE_CURRENT_LIST_DIR}/GameGraphicsScene.cpp
)
