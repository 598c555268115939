# The wait cursor by owner, the login and registration pages and the screen-name dialog.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BusyCursor.h
    ${CMAKE_CURRENT_LIST_DIR}/BusyCursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/LoginWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginForm.ui
    ${CMAKE_CURRENT_LIST_DIR}/CreateUserWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/CreateUserWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CreateUserForm.ui
    ${CMAKE_CURRENT_LIST_DIR}/SetScreennameDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/SetScreennameDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetScreennameDialog.ui
)
