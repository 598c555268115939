# Web pages: URL handler against the test game server, local pages, panes and the
# browser dialog in QtWebEngine.
mahjong_add_test(tst_urlhandler
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_urlhandler.cpp
    LIBS mahjong_ui)
add_dependencies(tst_urlhandler mahjong-testserver)

mahjong_add_test(tst_webpages
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_webpages.cpp
            ${CMAKE_CURRENT_LIST_DIR}/../app/loopbackhttpserver.h
            ${CMAKE_CURRENT_LIST_DIR}/../app/loopbackhttpserver.cpp
    LIBS mahjong_ui
    TIMEOUT 240
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
add_dependencies(tst_webpages mahjong-testserver)
