# Every page and window of a session against the demo world read in both skins.
mahjong_add_test(tst_readablepages
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_readablepages.cpp
    LIBS mahjong_ui
    TIMEOUT 240
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
target_include_directories(tst_readablepages PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
add_dependencies(tst_readablepages mahjong-testserver)
set(readable_screen ${CMAKE_CURRENT_BINARY_DIR}/readable-screen.json)
file(WRITE ${readable_screen} "{ \"screens\": [ { \"name\": \"large\", \"x\": 0, \"y\": 0, \"width\": 1920, \"height\": 1080 } ] }\n")
set_property(TEST tst_readablepages APPEND PROPERTY ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${readable_screen}")
