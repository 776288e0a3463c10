# Scoring, result report and Cabrillo export.
stats_native_test(reports_scoring_tests reports/scoring_test.cpp)
stats_native_test(reports_score_index_tests reports/score_index_test.cpp)
stats_native_test(reports_result_tests reports/result_report_test.cpp)
stats_native_test(reports_cabrillo_tests reports/cabrillo_test.cpp)
foreach(t reports_result_tests reports_cabrillo_tests)
  target_compile_definitions(${t} PRIVATE
    REPORTS_GOLDEN_DIR="${CMAKE_CURRENT_LIST_DIR}/reports/golden")
endforeach()
