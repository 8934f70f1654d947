# Tests are Windows programs run under Wine through scripts/wine-run.sh;
# one CTest entry per test program.
enable_testing()
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh")

# tw_add_test(name SOURCES ... LIBS ... [LOCKS ...] [MAIN])
#   MAIN links gtest's own main; otherwise the test brings its main.
#   Every test links test_support (tests/support): the pump, the temporary
#   folder, the scratch registry, the dialog driver, the message-box recorder.
#   LOCKS names resources shared by tests (the "Tarnwick" mutex, HKCU).
function(tw_add_test name)
  cmake_parse_arguments(T "MAIN" "" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_support)
  if(T_MAIN)
    target_link_libraries(${name} PRIVATE dep_gtest_main)
  else()
    target_link_libraries(${name} PRIVATE dep_gtest)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  # Judged by gtest's own summary, not the exit code alone: a Wine process
  # that ends early can still exit with 0.
  set_tests_properties(${name} PROPERTIES TIMEOUT 120
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  if(T_LOCKS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()

# The folder tree with link loops made by tests/support/make-link-loop.sh
# before the tests that need it; they find it, as Wine names it (the host's
# / is Z:), in TW_LINK_LOOP_TREE.
set(TW_LINK_LOOP_TREE ${CMAKE_BINARY_DIR}/link-loop-tree)
function(tw_uses_link_loop_tree name)
  string(REPLACE "/" "\\" windows_path "Z:${TW_LINK_LOOP_TREE}")
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED link_loop_tree
    ENVIRONMENT "TW_LINK_LOOP_TREE=${windows_path}")
endfunction()
