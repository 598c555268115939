# Tests of start-up: certificates, logging, command line, translations, single
# instance, start-up checks and sound.

mahjong_add_test(tst_cacertificates
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cacertificates.cpp
            ${CMAKE_CURRENT_LIST_DIR}/testcertificates.h
            ${CMAKE_CURRENT_LIST_DIR}/testcertificates.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_messagehandler
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_messagehandler.cpp
    LIBS mahjong_ui)

mahjong_add_test(tst_commandline
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commandline.cpp
    LIBS mahjong_core)

mahjong_add_test(tst_singleinstance
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_singleinstance.cpp
    LIBS mahjong_core)

# The shipped translations, compiled for the test into i18n/<lang>/ of its own, and
# checked against what lupdate finds in the sources.
mahjong_add_test(tst_translationsmanager
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_translationsmanager.cpp
    LIBS mahjong_ui
    ENVIRONMENT "MAHJONG_TEST_TRANSLATIONS=${CMAKE_CURRENT_BINARY_DIR}/i18n;MAHJONG_LUPDATE=$<TARGET_FILE:Qt6::lupdate>")
set(test_ts_files "")
foreach(lang en ja zh_CN zh_TW)
    set(ts ${PROJECT_SOURCE_DIR}/resources/translations/mahjong_${lang}.ts)
    set_source_files_properties(${ts} PROPERTIES
        OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/i18n/${lang})
    list(APPEND test_ts_files ${ts})
endforeach()
qt_add_lrelease(tst_translationsmanager TS_FILES ${test_ts_files})

mahjong_add_test(tst_startupchecks
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_startupchecks.cpp
            ${CMAKE_CURRENT_LIST_DIR}/loopbackhttpserver.h
            ${CMAKE_CURRENT_LIST_DIR}/loopbackhttpserver.cpp
    LIBS mahjong_ui)

mahjong_add_test(tst_gamesounds
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gamesounds.cpp
    LIBS mahjong_ui)

mahjong_add_test(tst_resourcesearchpaths
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_resourcesearchpaths.cpp
    LIBS mahjong_ui)

# The executable itself: log file, start-up checks, a second instance. The client it
# starts has the test's environment, and its web engine refuses to start as root with
# its sandbox on.
mahjong_add_test(tst_client
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_client.cpp
            ${CMAKE_CURRENT_LIST_DIR}/loopbackhttpserver.h
            ${CMAKE_CURRENT_LIST_DIR}/loopbackhttpserver.cpp
    LIBS mahjong_core
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
add_dependencies(tst_client mahjong)
