# The lobby's side panels: table preview with its seats, lobby summary with its player list.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TablePreview.h
    ${CMAKE_CURRENT_LIST_DIR}/TablePreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePreview.ui
    ${CMAKE_CURRENT_LIST_DIR}/TablePreviewPlayerWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/TablePreviewPlayerWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePreviewPlayerWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/TablePreviewPlayersWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/TablePreviewPlayersWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePreviewPlayersWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/PlayerList.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerList.ui
    ${CMAKE_CURRENT_LIST_DIR}/LobbySummary.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbySummary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbySummary.ui
)
