# The operator's settings file under a host killed at random moments while the
# plug-in stores its claimed score: it must stay whole, old or new.
add_executable(settings_kill ${CMAKE_CURRENT_LIST_DIR}/settings/settings_kill_test.cpp)
target_link_libraries(settings_kill PRIVATE statshost)
add_dependencies(settings_kill Stats)
add_test(NAME settings_kill COMMAND settings_kill $<TARGET_FILE:Stats>)
set_tests_properties(settings_kill PROPERTIES TIMEOUT 600)
