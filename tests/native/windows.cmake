# What the tool windows show, decided without Win32.
stats_native_test(windows_continent_pages_test windows/continent_pages_test.cpp)
