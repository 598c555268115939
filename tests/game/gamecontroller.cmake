# The game controller between a real connection manager, the table list and the windows.
mahjong_add_test(tst_gamecontroller
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_gamecontroller.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TestArtwork.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/SceneTestSetup.h
    LIBS mahjong_ui)
target_include_directories(tst_gamecontroller PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table)

# One scripted hand through the controller and the window against the test game server.
mahjong_add_test(tst_handserver
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tst_handserver.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TestArtwork.cpp
        ${PROJECT_SOURCE_DIR}/tests/table/SceneTestSetup.h
    LIBS mahjong_ui
    TIMEOUT 60)
target_include_directories(tst_handserver PRIVATE ${PROJECT_SOURCE_DIR}/tests/game ${PROJECT_SOURCE_DIR}/tests/table)
if(TARGET mahjong-testserver)
    add_dependencies(tst_handserver mahjong-testserver)
endif()
