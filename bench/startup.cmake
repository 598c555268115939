# Start-up to the login page: bench/startup.py runs the client against the test game
# server and this bare widgets program (the floor) in turns.
add_executable(bench_startup_floor ${CMAKE_CURRENT_LIST_DIR}/startup_floor.cpp)
mahjong_target_defaults(bench_startup_floor)
target_link_libraries(bench_startup_floor PRIVATE Qt6::Widgets)
