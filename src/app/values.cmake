# Shared value types and helpers (widget-free).
target_sources(mahjong_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Singleton.h
    ${CMAKE_CURRENT_LIST_DIR}/server_error.h
    ${CMAKE_CURRENT_LIST_DIR}/tile.h
    ${CMAKE_CURRENT_LIST_DIR}/tile.cpp
)

# Helpers that need widgets live with the windows.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Utils.h
    ${CMAKE_CURRENT_LIST_DIR}/UtilsWidgets.cpp
)
