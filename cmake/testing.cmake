# Every Windows test program carries a manifest that declares the program's DPI awareness.
# A folder whose targets list KT_TEST_MANIFEST_RC itself calls kt_test_manifest_depends().
if(WIN32)
  set(KT_TEST_MANIFEST ${PROJECT_SOURCE_DIR}/tests/dpi_aware.manifest)
  set(KT_TEST_MANIFEST_RC ${PROJECT_BINARY_DIR}/tests/dpi_aware.rc)
  file(WRITE ${KT_TEST_MANIFEST_RC} "1 24 \"${KT_TEST_MANIFEST}\"\n")
endif()
macro(kt_test_manifest_depends)
  if(WIN32)
    set_source_files_properties(${KT_TEST_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS ${KT_TEST_MANIFEST})
  endif()
endmacro()

# kt_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI])
# Builds one GoogleTest program and registers it with CTest. GUI tests share the
# display and the focus, so they run one at a time.
function(kt_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES} ${KT_TEST_MANIFEST_RC})
  kt_test_manifest_depends()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(T_GUI)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()
