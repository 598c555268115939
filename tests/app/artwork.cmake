# The compiled-in skins: resource names, tile artwork geometry, sounds, style sheets.
mahjong_add_test(tst_artwork
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_artwork.cpp
    LIBS mahjong_ui)
