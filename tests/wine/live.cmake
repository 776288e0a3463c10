# The live link: the control window on its own thread with the stand-in host's
# automation object, the boxes clicked, and every way the windows end.
add_executable(live_link_test ${CMAKE_CURRENT_LIST_DIR}/live/live_link_test.cpp)
target_include_directories(live_link_test PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(live_link_test PRIVATE statshost)
add_dependencies(live_link_test Stats)
add_test(NAME live_link COMMAND live_link_test $<TARGET_FILE:Stats>)
set_tests_properties(live_link PROPERTIES TIMEOUT 600)
# The call-details update end to end: CheckCall0, the host's object, the
# windows' titles, colours and boxes, a band change and a removal.
add_test(NAME live_call_details COMMAND live_link_test $<TARGET_FILE:Stats> --call-details)
set_tests_properties(live_call_details PROPERTIES TIMEOUT 300)
