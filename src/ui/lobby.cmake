# Dialog frame, message boxes and the small widget classes shared by all windows.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MahjongDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/MahjongDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MahjongDialog.ui
    ${CMAKE_CURRENT_LIST_DIR}/ModelessMsgBox.h
    ${CMAKE_CURRENT_LIST_DIR}/ModelessMsgBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlainToolTip.h
    ${CMAKE_CURRENT_LIST_DIR}/PlainToolTip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ULabel.h
    ${CMAKE_CURRENT_LIST_DIR}/ULabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UPushButton.h
    ${CMAKE_CURRENT_LIST_DIR}/UPushButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UStackedWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/UTabWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/UTabWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UTabWidget.ui
    ${CMAKE_CURRENT_LIST_DIR}/UTimer.h
    ${CMAKE_CURRENT_LIST_DIR}/UTimer.cpp
)
