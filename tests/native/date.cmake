stats_native_test(date_test
  ${CMAKE_CURRENT_LIST_DIR}/date/ole_date_time_test.cpp
)
