# The table layouts on a test table.
mahjong_add_test(tst_tablelayouts
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_tablelayouts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TestTableHost.h
        ${CMAKE_CURRENT_LIST_DIR}/TestTableHost.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SceneTestSetup.h
        ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
    LIBS mahjong_ui)
target_include_directories(tst_tablelayouts PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
