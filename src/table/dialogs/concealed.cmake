# The panel of concealed actions on the own turn.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ConcealedActionDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/ConcealedActionDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConcealedActionDialog.ui
)
