# One static library per folder: every .cpp/.h/.ui/.qrc in it belongs to the library.
function(ijar_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB files CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
    ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${files})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  set_target_properties(${name} PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# One test executable per folder of tests/, registered test by test with CTest.
# A suite named in IJAR_BOTH_ENGINES runs a second time on PostgreSQL, its
# tests named "pg:..."; a SERVER_ONLY suite runs on PostgreSQL only. Both use
# the cluster that the pg_cluster fixture starts once for the whole ctest run.
function(ijar_test_suite name)
  cmake_parse_arguments(ARG "SERVER_ONLY" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ijar_testsupport ${ARG_DEPENDS})
  if(NOT ARG_SERVER_ONLY)
    gtest_discover_tests(${name}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
  endif()
  if(ARG_SERVER_ONLY OR name IN_LIST IJAR_BOTH_ENGINES)
    ijar_test_suite_on_server(${name})
  endif()
endfunction()

function(ijar_test_suite_on_server name)
  gtest_discover_tests(${name}
    TEST_PREFIX "pg:"
    TEST_LIST ${name}_on_server
    PROPERTIES FIXTURES_REQUIRED pg_cluster LABELS postgresql
    DISCOVERY_TIMEOUT 60)
  # gtest_discover_tests splits a list-valued property, so the environment
  # (three variables) is set by a script of our own that runs after its list.
  set(environment "QT_QPA_PLATFORM=offscreen;IJAR_TEST_ENGINE=postgresql;IJAR_TEST_PGCLUSTER=${IJAR_PG_CLUSTER_FILE}")
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_on_server.cmake)
  file(WRITE ${script}
    "foreach(t IN LISTS ${name}_on_server)\n"
    "  set_tests_properties(\"\${t}\" PROPERTIES ENVIRONMENT \"${environment}\")\n"
    "endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
