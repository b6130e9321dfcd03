# kt_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI])
# Builds one GoogleTest program and registers it with CTest. GUI tests share the
# display and the focus, so they run one at a time.
function(kt_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(T_GUI)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()
