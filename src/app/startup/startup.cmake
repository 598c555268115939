# Start-up: command line, logging, settings, translations, style, search paths,
# single instance, start-up checks, splash and sound.

set(MAHJONG_SKIN "corvana" CACHE STRING "The skin word of the client: corvana or default")

# Widget-free services: the game and chat connections rely on the trusted CA
# certificates, and the tests use the rest without windows.
target_sources(mahjong_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CaCertificates.h
    ${CMAKE_CURRENT_LIST_DIR}/CaCertificates.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.h
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileLoader.h
    ${CMAKE_CURRENT_LIST_DIR}/FileLoader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InstallerLayer.h
    ${CMAKE_CURRENT_LIST_DIR}/InstallerLayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuitSignals.h
    ${CMAKE_CURRENT_LIST_DIR}/QuitSignals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageHandler.h
    ${CMAKE_CURRENT_LIST_DIR}/MessageHandler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResourceSearchPaths.h
    ${CMAKE_CURRENT_LIST_DIR}/ResourceSearchPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ServerInfo.h
    ${CMAKE_CURRENT_LIST_DIR}/ServerInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.h
    ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UserPaths.h
    ${CMAKE_CURRENT_LIST_DIR}/UserPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VersionChecker.h
    ${CMAKE_CURRENT_LIST_DIR}/VersionChecker.cpp
)
target_link_libraries(mahjong_core PUBLIC Boost::program_options)

# Windows of start-up, the application object, the interface language (whose font every
# widget takes) and sound.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ClientMain.h
    ${CMAKE_CURRENT_LIST_DIR}/ClientMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameBackground.h
    ${CMAKE_CURRENT_LIST_DIR}/GameBackground.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameSounds.h
    ${CMAKE_CURRENT_LIST_DIR}/GameSounds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MahjongApplication.h
    ${CMAKE_CURRENT_LIST_DIR}/MahjongApplication.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MahjongSplash.h
    ${CMAKE_CURRENT_LIST_DIR}/MahjongSplash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MahjongStyle.h
    ${CMAKE_CURRENT_LIST_DIR}/MahjongStyle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NewVersionDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/NewVersionDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NewVersionDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/Startup.h
    ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TranslationsManager.h
    ${CMAKE_CURRENT_LIST_DIR}/TranslationsManager.cpp
)
