# The include direction of the real tree, and the check itself refusing a tree
# whose engine includes the plug-in.
add_test(NAME include_layers
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -P ${CMAKE_SOURCE_DIR}/tests/tools/check_layers.cmake)
add_test(NAME include_layers_refuses_upward_include
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/tests/tools/layer_fixture
          -P ${CMAKE_SOURCE_DIR}/tests/tools/check_layers.cmake)
set_tests_properties(include_layers_refuses_upward_include PROPERTIES
  PASS_REGULAR_EXPRESSION "engine/upward_include.cpp: #include \"plugin/plugin_state.h\"")
