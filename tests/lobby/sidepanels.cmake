# The lobby's side panels: table preview with its seats, lobby summary with its player list.
mahjong_add_test(tst_sidepanels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_sidepanels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lobbyscreenshot.h ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h
    ${CMAKE_CURRENT_LIST_DIR}/silentchat.h LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_sidepanels mahjong-testserver)
endif()
