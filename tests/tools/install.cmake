# The installed tree and the Debian package: both need every installed program built first.
set(ondrell_gui_built $<IF:$<TARGET_EXISTS:ondrell>,1,0>)
add_test(NAME install_tree
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/install_test.sh ${CMAKE_BINARY_DIR}
                 ${ONDRELL_TEST_DATA}/notice/data/whole_file.txt ${ondrell_gui_built})
add_test(NAME package_deb COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/package_test.sh ${CMAKE_BINARY_DIR} ${ondrell_gui_built})
set_tests_properties(install_tree package_deb PROPERTIES TIMEOUT 600)
