# The operator's settings file under a host killed at random moments while the
# plug-in stores its claimed score: it must stay whole, old or new.
stats_wine_test(settings_kill ${CMAKE_CURRENT_LIST_DIR}/settings/settings_kill_test.cpp)
target_link_libraries(settings_kill PRIVATE statshost)
set_tests_properties(settings_kill PROPERTIES TIMEOUT 600)
