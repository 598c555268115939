mahjong_add_test(tst_busycursor SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_busycursor.cpp LIBS mahjong_ui)
mahjong_add_test(tst_loginwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_loginwindow.cpp LIBS mahjong_ui)
mahjong_add_test(tst_createuserwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_createuserwindow.cpp LIBS mahjong_ui)
mahjong_add_test(tst_accountserver SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_accountserver.cpp LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_accountserver mahjong-testserver)
endif()
