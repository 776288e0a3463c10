# The stand-in host under wine: its automation object through the dispatch ids
# the plug-in calls (in this process and across processes), and the replay of
# the sample logs through Stats.dll against their reviewed reports.
add_executable(automation_client ${CMAKE_CURRENT_LIST_DIR}/host/automation_client.cpp)
target_link_libraries(automation_client PRIVATE statshost)
target_include_directories(automation_client PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(automation_client stats-host)
add_test(NAME host_automation COMMAND automation_client $<TARGET_FILE:stats-host>)
set_tests_properties(host_automation PROPERTIES TIMEOUT 300)

# The two sample logs played as the host plays them (every call typed, the
# report refreshed after every QSO) must give the reports reviewed when the
# samples were made, as text and as HTML. The SSB sample is also exported end
# to end: header dialog confirmed, message box dismissed, and the Cabrillo file
# (the log's own QSO lines less the nine the plug-in rejects) and the bad-QSO
# file compared byte for byte.
# The samples resolve their calls with the country data they were reviewed
# with (tools/samples/cty-samples.dat), not with whatever the machine has.
set(samples ${CMAKE_SOURCE_DIR}/tools/samples)
set(samples_cty ${samples}/cty-samples.dat)
foreach(mode cw ssb)
  add_test(NAME host_replay_${mode}_text
           COMMAND stats-host --folder replay-${mode}-text --quiet --cty ${samples_cty}
                   --expect-report ${samples}/cq-ww-${mode}-sample.report.txt
                   ${samples}/cq-ww-${mode}-sample.log)
  add_test(NAME host_replay_${mode}_html
           COMMAND stats-host --folder replay-${mode}-html --quiet --html --cty ${samples_cty}
                   --expect-report ${samples}/cq-ww-${mode}-sample.report.html
                   ${samples}/cq-ww-${mode}-sample.log)
  set_tests_properties(host_replay_${mode}_text host_replay_${mode}_html
                       PROPERTIES TIMEOUT 300)
endforeach()
add_test(NAME host_export_ssb
         COMMAND stats-host --folder export-ssb --quiet --result-every 0 --export
                 --cty ${samples_cty}
                 --expect-cabrillo ${samples}/cq-ww-ssb-sample.export.cbr
                 --expect-badqso ${samples}/cq-ww-ssb-sample.badqso.txt
                 ${samples}/cq-ww-ssb-sample.log)
set_tests_properties(host_export_ssb PROPERTIES TIMEOUT 300)

# Three QSOs of a real log (K3LR, CQ WW CW 2024): a maritime-mobile call that
# resolves to no country and a "/2" call of a prefix that begins with a digit.
# One country, two zones, nine points: 27.
add_test(NAME host_replay_k3lr_extract
         COMMAND stats-host --folder replay-k3lr --quiet --cty ${samples_cty}
                 --expect-report ${samples}/k3lr-cq-ww-cw-2024-extract.report.txt
                 ${samples}/k3lr-cq-ww-cw-2024-extract.log)
set_tests_properties(host_replay_k3lr_extract PROPERTIES TIMEOUT 300)
