# The developers' window: round trips, network rates and style-sheet paths.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DebugDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/DebugDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DebugDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/GraphWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/GraphWidget.cpp
)
