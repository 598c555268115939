# Player plates and the turn timer.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TimerView.h
    ${CMAKE_CURRENT_LIST_DIR}/TimerView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BugfixWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/BugfixWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/PlayerWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/EmptySeatWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/EmptySeatWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmptySeatWidget.ui
)
