# quillbook_add_test(NAME <target> SOURCES_DIR <dir> LIBS <libs...> [ENVIRONMENT <k=v...>])
# Builds one GoogleTest program from every *_test.cpp below SOURCES_DIR and registers its
# tests with CTest.
function(quillbook_add_test)
  cmake_parse_arguments(ARG "" "NAME;SOURCES_DIR" "LIBS;ENVIRONMENT" ${ARGN})
  file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS
    "${ARG_SOURCES_DIR}/*_test.cpp" "${ARG_SOURCES_DIR}/*Test.cpp" "${ARG_SOURCES_DIR}/support/*.cpp")
  add_executable(${ARG_NAME} ${test_sources})
  target_include_directories(${ARG_NAME} PRIVATE "${ARG_SOURCES_DIR}")
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main
                        quillbook_options)
  gtest_discover_tests(${ARG_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()
