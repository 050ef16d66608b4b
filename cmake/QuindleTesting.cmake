# quindle_add_test(<name> SOURCES <files...> LIBS <targets...> [QT] [ENV <VAR=value>])
# QT: the test needs a QApplication on the offscreen platform; it gets the
# shared Qt test main instead of gtest_main. ENV: one more variable for it
# (a list would not survive test discovery).
function(quindle_add_test name)
  cmake_parse_arguments(T "QT" "ENV" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # The sanitizer options come from the test preset's environment: a list
  # here would not survive test discovery either.
  if(T_QT)
    target_link_libraries(${name} PRIVATE ${T_LIBS} quindle_testmain GTest::gtest)
    set(env QT_QPA_PLATFORM=offscreen)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    set(env "")
  endif()
  set(more "")
  if(T_ENV)
    string(REGEX REPLACE "^([^=]*)=" "\\1=set:" more "${T_ENV}")
    set(more ENVIRONMENT_MODIFICATION "${more}")
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ENVIRONMENT "${env}" ${more} TIMEOUT 120)
endfunction()
