# The table list, localized table names and the lobby controller; the typed lobby cells.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CustomItem.h
    ${CMAKE_CURRENT_LIST_DIR}/CustomItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColumnTypes.h
    ${CMAKE_CURRENT_LIST_DIR}/ColumnTypes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableModel.h
    ${CMAKE_CURRENT_LIST_DIR}/TableModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalizationDb.h
    ${CMAKE_CURRENT_LIST_DIR}/LocalizationDb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LobbyController.h
    ${CMAKE_CURRENT_LIST_DIR}/LobbyController.cpp
)
