# The compiled-in skins: resource names, tile artwork geometry, sounds, style sheets.
mahjong_add_test(tst_artwork
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_artwork.cpp
    LIBS mahjong_ui)

# The local web pages in QtWebEngine, talking to a stand-in client object.
mahjong_add_test(tst_localpages
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_localpages.cpp
    LIBS mahjong_ui
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
