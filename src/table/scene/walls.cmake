# The walls: one wall side, the square of four walls and the compact wall.
target_sources(mahjong_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WallView.h
    ${CMAKE_CURRENT_LIST_DIR}/WallView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CityView.h
    ${CMAKE_CURRENT_LIST_DIR}/CityView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SquareCityView.h
    ${CMAKE_CURRENT_LIST_DIR}/SquareCityView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompactCityView.h
    ${CMAKE_CURRENT_LIST_DIR}/CompactCityView.cpp
)
