# quindle_add_test(<name> SOURCES <files...> LIBS <targets...> [QT])
# QT: the test needs a QApplication on the offscreen platform; it gets the
# shared Qt test main instead of gtest_main.
function(quindle_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${name} PRIVATE ${T_LIBS} quindle_testmain GTest::gtest)
    set(env QT_QPA_PLATFORM=offscreen ${QUINDLE_SANITIZER_ENV})
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    set(env ${QUINDLE_SANITIZER_ENV})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
