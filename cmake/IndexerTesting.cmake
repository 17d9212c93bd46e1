# indexer_add_test(NAME name SOURCES a_test.cpp ... LIBS lib ...)
# Builds one GoogleTest executable and registers each of its tests with CTest.
function(indexer_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main
                        indexer_warnings)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1")
endfunction()
