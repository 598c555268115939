mahjong_add_test(tst_debugdialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_debugdialog.cpp LIBS mahjong_ui
    TIMEOUT 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_debugdialog mahjong-testserver)
endif()
