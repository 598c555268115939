# Tile views, tile groups and the table scene.
mahjong_add_test(tst_tileviews
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_tileviews.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SceneTestSetup.h
        ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
    LIBS mahjong_ui)
target_include_directories(tst_tileviews PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
