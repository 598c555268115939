# The seat views (hand, discards, hidden hands, melds), the table markers and
# the projected cube.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/HandView.h
    ${CMAKE_CURRENT_LIST_DIR}/HandView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiscardView.h
    ${CMAKE_CURRENT_LIST_DIR}/DiscardView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HiddenHandView.h
    ${CMAKE_CURRENT_LIST_DIR}/HiddenHandView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeldView.h
    ${CMAKE_CURRENT_LIST_DIR}/MeldView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeclaredView.h
    ${CMAKE_CURRENT_LIST_DIR}/DeclaredView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MarkerArtwork.h
    ${CMAKE_CURRENT_LIST_DIR}/MarkerArtwork.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindView.h
    ${CMAKE_CURRENT_LIST_DIR}/WindView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerActionView.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerActionView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RiichiStickView.h
    ${CMAKE_CURRENT_LIST_DIR}/RiichiStickView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Object3DView.h
    ${CMAKE_CURRENT_LIST_DIR}/Object3DView.cpp
)
