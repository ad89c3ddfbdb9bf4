# ondrell-tool locate, check-point and crossings, run as a user would run them.
add_test(NAME tool_geo_commands
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/geo_commands_test.sh $<TARGET_FILE:ondrell-tool>)
set_tests_properties(tool_geo_commands PROPERTIES ENVIRONMENT "ONDRELL_MAP_FILE=${ONDRELL_MAP_FILE}")
