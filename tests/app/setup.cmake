# The setup script leaves servers it did not start alone.
add_test(NAME setup_leaves_other_servers_alone
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/setup-leaves-servers.sh ${PROJECT_SOURCE_DIR})
set_tests_properties(setup_leaves_other_servers_alone PROPERTIES TIMEOUT 120)
