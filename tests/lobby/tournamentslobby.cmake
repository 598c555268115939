# The Tournaments tab, its filter and the lobby's tournament panels; the short information
# pages come from a loopback HTTP server into QtWebEngine.
mahjong_add_test(tst_tournamentslobby
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentslobby.cpp
            ${CMAKE_CURRENT_LIST_DIR}/lobbyscreenshot.h
            ${CMAKE_CURRENT_LIST_DIR}/../app/loopbackhttpserver.h
            ${CMAKE_CURRENT_LIST_DIR}/../app/loopbackhttpserver.cpp
    LIBS mahjong_ui
    TIMEOUT 240
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
