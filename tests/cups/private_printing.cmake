# The private printing service of the printing tests: started in the build
# folder before them and stopped after them (a CTest fixture), with the
# environment that sends their print jobs there and only there.
set(TENSORIUM_PRINTING_DIR ${CMAKE_CURRENT_BINARY_DIR}/printing-service)

add_test(NAME printing_service_start
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/start-scheduler.sh ${TENSORIUM_PRINTING_DIR})
add_test(NAME printing_service_stop
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/stop-scheduler.sh ${TENSORIUM_PRINTING_DIR})
set_tests_properties(printing_service_start PROPERTIES FIXTURES_SETUP private_printing TIMEOUT 60 LABELS printing)
set_tests_properties(printing_service_stop PROPERTIES FIXTURES_CLEANUP private_printing TIMEOUT 30 LABELS printing)

# Registers the tests of `target` found in `sources` as users of that service.
# The tests are listed from the sources (gtest_add_tests) because the
# environment is a list, which gtest_discover_tests does not pass through.
# Their own home and CUPS_SERVERROOT keep the user's and the system's printer
# choices (lpoptions, client.conf, PRINTER) out of the run.
function(tensorium_private_printing_tests target)
  gtest_add_tests(TARGET ${target} SOURCES ${ARGN} TEST_LIST tests)
  set_tests_properties(${tests} PROPERTIES
    FIXTURES_REQUIRED private_printing
    RUN_SERIAL TRUE
    LABELS printing
    ENVIRONMENT "CUPS_SERVER=${TENSORIUM_PRINTING_DIR}/run/cups.sock;CUPS_SERVERROOT=${TENSORIUM_PRINTING_DIR}/conf;HOME=${TENSORIUM_PRINTING_DIR}/home;TENSORIUM_PRINTED_FOLDER=${TENSORIUM_PRINTING_DIR}/printed"
    ENVIRONMENT_MODIFICATION "PRINTER=unset:;LPDEST=unset:")
endfunction()
