# Tests of start-up: certificates, logging, command line, translations, single
# instance, start-up checks and sound.

mahjong_add_test(tst_cacertificates
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cacertificates.cpp
            ${CMAKE_CURRENT_LIST_DIR}/testcertificates.h
            ${CMAKE_CURRENT_LIST_DIR}/testcertificates.cpp
    LIBS mahjong_core)
