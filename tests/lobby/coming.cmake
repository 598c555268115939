mahjong_add_test(tst_comingevents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_comingevents.cpp LIBS mahjong_ui)
mahjong_add_test(tst_tableinvitation SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tableinvitation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/silentchat.h LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_tableinvitation mahjong-testserver)
endif()
