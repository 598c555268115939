# Web pages in the client: the system's browser for pages outside it, the URL handler,
# the page panes and the browser dialog with the "client" object of their pages, and the
# "localwww" scheme of the local pages.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ExternalBrowser.h
    ${CMAKE_CURRENT_LIST_DIR}/ExternalBrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UrlHandler.h
    ${CMAKE_CURRENT_LIST_DIR}/UrlHandler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedBrowser.h
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedBrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedBrowser.ui
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedView.ui
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedWebPage.h
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedWebPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedWebView.h
    ${CMAKE_CURRENT_LIST_DIR}/web/EmbeddedWebView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web/JavascriptInterface.h
    ${CMAKE_CURRENT_LIST_DIR}/web/JavascriptInterface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web/LocalPageSchemeHandler.h
    ${CMAKE_CURRENT_LIST_DIR}/web/LocalPageSchemeHandler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web/PageGround.h
    ${CMAKE_CURRENT_LIST_DIR}/web/PageGround.cpp
)
