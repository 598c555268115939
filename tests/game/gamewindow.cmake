# The table window driven through its model.
mahjong_add_test(tst_gamewindow
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_gamewindow.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TestArtwork.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/SceneTestSetup.h
    LIBS mahjong_ui)
target_include_directories(tst_gamewindow PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table)
