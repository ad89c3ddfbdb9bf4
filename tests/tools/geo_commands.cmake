# ondrell-tool locate, check-point and crossings, run as a user would run them.
add_test(NAME tool_geo_commands
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/geo_commands_test.sh $<TARGET_FILE:ondrell-tool>)
set_tests_properties(tool_geo_commands PROPERTIES ENVIRONMENT "ONDRELL_MAP_FILE=${ONDRELL_MAP_FILE}")

# The point-line parser and line reader on their own.
add_executable(test_tool_point_lines ${CMAKE_CURRENT_LIST_DIR}/point_lines_test.cpp
                                     ${PROJECT_SOURCE_DIR}/tools/ondrell-tool/point_lines.cpp)
target_include_directories(test_tool_point_lines PRIVATE ${PROJECT_SOURCE_DIR}/tools/ondrell-tool ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_definitions(test_tool_point_lines PRIVATE ONDRELL_TEST_DATA="${ONDRELL_TEST_DATA}")
target_link_libraries(test_tool_point_lines PRIVATE GTest::gtest GTest::gtest_main)
add_test(NAME tool_point_lines COMMAND test_tool_point_lines)
