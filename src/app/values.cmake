# Shared value types and helpers (widget-free).
target_sources(mahjong_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ClientErrors.h
    ${CMAKE_CURRENT_LIST_DIR}/ClientErrors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClientText.h
    ${CMAKE_CURRENT_LIST_DIR}/ClientText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MetaTypes.h
    ${CMAKE_CURRENT_LIST_DIR}/Singleton.h
    ${CMAKE_CURRENT_LIST_DIR}/server_error.h
    ${CMAKE_CURRENT_LIST_DIR}/tile.h
    ${CMAKE_CURRENT_LIST_DIR}/tile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wind.h
    ${CMAKE_CURRENT_LIST_DIR}/wind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/meld.h
    ${CMAKE_CURRENT_LIST_DIR}/meld.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TimeSpan.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerData.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RulesetInfo.h
    ${CMAKE_CURRENT_LIST_DIR}/RulesetInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PropertyValue.h
    ${CMAKE_CURRENT_LIST_DIR}/PropertyValue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableCapacity.h
    ${CMAKE_CURRENT_LIST_DIR}/TableCapacity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableValue.h
    ${CMAKE_CURRENT_LIST_DIR}/TableValue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableInfo.h
    ${CMAKE_CURRENT_LIST_DIR}/TableInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TournamentInfo.h
    ${CMAKE_CURRENT_LIST_DIR}/TournamentInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Utils.h
    ${CMAKE_CURRENT_LIST_DIR}/Utils.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WebPageRequest.h
    ${CMAKE_CURRENT_LIST_DIR}/WebPageRequest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UrlVariables.h
    ${CMAKE_CURRENT_LIST_DIR}/UrlVariables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_info.h
    ${CMAKE_CURRENT_LIST_DIR}/system_info.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MachineIdentifier.h
    ${CMAKE_CURRENT_LIST_DIR}/MachineIdentifier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/version.h
    ${CMAKE_CURRENT_LIST_DIR}/version.cpp
)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/version.cpp
    TARGET_DIRECTORY mahjong_core PROPERTIES
    COMPILE_DEFINITIONS "MAHJONG_CLIENT_VERSION=\"${PROJECT_VERSION}\"")

# Helpers that need widgets live with the windows.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/UtilsWidgets.cpp
)
