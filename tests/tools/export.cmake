# ondrell-tool export --geojson, run as a separate process on files the writer produces.
ondrell_tool_process_test(export export_tool_test.cpp)
