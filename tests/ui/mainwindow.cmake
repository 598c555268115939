# The main window: hand-over from start-up, the header, the lobby tabs and the table pages
# against the test game server. Run a second time on a large screen, where the stored size applies,
# and a third time on a wide screen too low for the client, whose size the warning writes as a size.
mahjong_add_test(tst_mainwindow
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mainwindow.cpp
            ${PROJECT_SOURCE_DIR}/tests/game/TablePieces.cpp ${PROJECT_SOURCE_DIR}/tests/game/TablePieces.h
    LIBS mahjong_ui
    TIMEOUT 180
    ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
add_dependencies(tst_mainwindow mahjong-testserver)

set(large_screen ${CMAKE_CURRENT_BINARY_DIR}/large-screen.json)
file(WRITE ${large_screen} "{ \"screens\": [ { \"name\": \"large\", \"x\": 0, \"y\": 0, \"width\": 1920, \"height\": 1080 } ] }\n")
mahjong_test_environment(environment tst_mainwindow_largescreen)
add_test(NAME tst_mainwindow_largescreen COMMAND tst_mainwindow startUpHandsOverToTheLoginPage)
set_tests_properties(tst_mainwindow_largescreen PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${large_screen};${environment};QTWEBENGINE_DISABLE_SANDBOX=1")

set(wide_screen ${CMAKE_CURRENT_BINARY_DIR}/wide-low-screen.json)
file(WRITE ${wide_screen} "{ \"screens\": [ { \"name\": \"wide\", \"x\": 0, \"y\": 0, \"width\": 1366, \"height\": 700 } ] }\n")
mahjong_test_environment(environment tst_mainwindow_widelowscreen)
add_test(NAME tst_mainwindow_widelowscreen COMMAND tst_mainwindow startUpHandsOverToTheLoginPage)
set_tests_properties(tst_mainwindow_widelowscreen PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${wide_screen};${environment};QTWEBENGINE_DISABLE_SANDBOX=1")

# The client's smallest screens: one of 1366x768 with one of 1024x768 beside it, and one of
# 1024x768 alone. The window, its frame included, stays inside the screen, and Ctrl+F
# toggles full screen.
foreach(screens IN ITEMS "1366x768 1024x768" "1024x768")
    set(json "")
    set(x 0)
    string(REPLACE " " ";" screen_list "${screens}")
    list(GET screen_list 0 first)
    foreach(screen IN LISTS screen_list)
        string(REPLACE "x" ";" wh ${screen})
        list(GET wh 0 width)
        list(GET wh 1 height)
        if(json)
            string(APPEND json ", ")
        endif()
        string(APPEND json "{ \"name\": \"s${x}\", \"x\": ${x}, \"y\": 0, \"width\": ${width}, \"height\": ${height} }")
        math(EXPR x "${x} + ${width}")
    endforeach()
    set(screen_file ${CMAKE_CURRENT_BINARY_DIR}/screen-${first}.json)
    file(WRITE ${screen_file} "{ \"screens\": [ ${json} ] }\n")
    set(name tst_mainwindow_screen${first})
    mahjong_test_environment(environment ${name})
    add_test(NAME ${name} COMMAND tst_mainwindow startUpHandsOverToTheLoginPage windowFitsTheScreen frameToldLateStaysOnTheScreen ctrlFTogglesFullScreenEveryTime)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 150
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${screen_file};${environment};QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
endforeach()

# A window system that tells no frame, as a window manager that tells its frame late
# leaves the window until it has: on a 1366x768 screen and on a 1024x768 one.
foreach(screen IN ITEMS 1366x768 1024x768)
    string(REPLACE "x" ";" wh ${screen})
    list(GET wh 0 width)
    list(GET wh 1 height)
    set(screen_file ${CMAKE_CURRENT_BINARY_DIR}/unframed-screen-${screen}.json)
    file(WRITE ${screen_file} "{ \"windowFrameMargins\": false, \"screens\": [ { \"name\": \"s0\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": ${height} } ] }\n")
    set(name tst_mainwindow_lateframe${screen})
    mahjong_test_environment(environment ${name})
    add_test(NAME ${name} COMMAND tst_mainwindow frameToldLateStaysOnTheScreen)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${screen_file};${environment};QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu")
endforeach()
