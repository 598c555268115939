# A web page that hands the links the user clicks to the client.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/web/LinkDelegatingPage.h
    ${CMAKE_CURRENT_LIST_DIR}/web/LinkDelegatingPage.cpp
)
