# ondrell-tool validate, run as a separate process on files the writer produces.
ondrell_tool_process_test(validate validate_tool_test.cpp)
