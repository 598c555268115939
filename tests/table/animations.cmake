# Flying tiles and the walls.
foreach(test tst_tileanimations tst_walls)
    mahjong_add_test(${test}
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SceneTestSetup.h
            ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
        LIBS mahjong_ui)
    target_include_directories(${test} PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
endforeach()
