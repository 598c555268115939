# Tournaments: the tournament list, registration and the tournament detail dialog.
mahjong_add_test(tst_tournamentslobbymodel SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentslobbymodel.cpp
    LIBS mahjong_ui ENVIRONMENT "LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8")
mahjong_add_test(tst_tournamentmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentmodels.cpp
    LIBS mahjong_ui)
mahjong_add_test(tst_tournamentdetaildialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentdetaildialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h
    ${CMAKE_CURRENT_LIST_DIR}/../app/loopbackhttpserver.h ${CMAKE_CURRENT_LIST_DIR}/../app/loopbackhttpserver.cpp
    LIBS mahjong_ui TIMEOUT 240
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
mahjong_add_test(tst_tournamentscontroller SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentscontroller.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lobbyserverfixture.h
    LIBS mahjong_ui TIMEOUT 120
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
if(TARGET mahjong-testserver)
    add_dependencies(tst_tournamentscontroller mahjong-testserver)
endif()
