# dalto_add_test(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable registered as one CTest test. Every test runs with the
# offscreen Qt platform so that no display is needed.
function(dalto_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE dalto_test_support ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DALTO_SIM=$<TARGET_FILE_DIR:${T_NAME}>/dalto-sim")
endfunction()
