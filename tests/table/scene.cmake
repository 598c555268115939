# Tile views and groups, flying tiles, the walls, the seat views, the markers
# and cube, on a scene with the test artwork.
foreach(test tst_tileviews tst_tileanimations tst_walls tst_seatviews tst_tablemarkers)
    mahjong_add_test(${test}
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SceneTestSetup.h
            ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
        LIBS mahjong_ui)
    target_include_directories(${test} PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
endforeach()

# A whole table.
mahjong_add_test(tst_tablescene
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_tablescene.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TableComposition.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TableComposition.h
    LIBS mahjong_ui)
