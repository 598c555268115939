# The game controller between a real connection manager, the table list and the windows.
mahjong_add_test(tst_gamecontroller
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_gamecontroller.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TestArtwork.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/SceneTestSetup.h
    LIBS mahjong_ui)
target_include_directories(tst_gamecontroller PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table)
