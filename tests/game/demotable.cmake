# Whole hands against the test server's demo world, through the real connection manager,
# controller and table window.
mahjong_add_table_window_test(tst_demotable SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_demotable.cpp TIMEOUT 180)
# Its tournament dialog runs the web engine, which refuses to start as root with its
# sandbox on.
set_property(TEST tst_demotable APPEND PROPERTY ENVIRONMENT
    QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu)
# The longest test starts first, so that the others run beside it.
set_tests_properties(tst_demotable PROPERTIES COST 60)
if(TARGET mahjong-testserver)
    add_dependencies(tst_demotable mahjong-testserver)
endif()
