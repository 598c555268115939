# The README's set-up, run and test commands: set-up without sudo, one configuration of
# the build directory, and the test command's steps (with stand-ins for its compilers,
# tests and fuzzers).
add_test(NAME build_scripts
    COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/build-scripts.py ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
set_tests_properties(build_scripts PROPERTIES TIMEOUT 300)
