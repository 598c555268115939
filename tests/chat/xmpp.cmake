# Tests of the XMPP client core.
mahjong_add_test(tst_xmppvalues
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppvalues.cpp
    LIBS mahjong_xmpp)
mahjong_add_test(tst_xmppcodec
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_xmppcodec.cpp
    LIBS mahjong_xmpp)
