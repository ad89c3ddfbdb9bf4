# ondrell-tool export --geojson, run as a separate process on files the writer produces.
add_executable(test_tool_export ${CMAKE_CURRENT_LIST_DIR}/export_tool_test.cpp)
target_link_libraries(test_tool_export PRIVATE ondrell_core nlohmann_json::nlohmann_json GTest::gtest
                      GTest::gtest_main)
target_include_directories(test_tool_export PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../notice ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_definitions(test_tool_export PRIVATE
  ONDRELL_TOOL="$<TARGET_FILE:ondrell-tool>"
  ONDRELL_TEST_DATA="${ONDRELL_TEST_DATA}"
  ONDRELL_MAP_FILE="${ONDRELL_MAP_FILE}")
add_dependencies(test_tool_export ondrell-tool)
add_test(NAME tool_export COMMAND test_tool_export)
