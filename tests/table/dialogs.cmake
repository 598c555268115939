# The dialogs over the table: score board, meld auction and concealed actions.
foreach(test tst_scoreboard tst_meldauction)
    mahjong_add_test(${test}
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SceneTestSetup.h
            ${CMAKE_CURRENT_LIST_DIR}/TestServerClock.h
            ${PROJECT_SOURCE_DIR}/tests/game/TestArtwork.cpp
        LIBS mahjong_ui)
    target_include_directories(${test} PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
endforeach()
