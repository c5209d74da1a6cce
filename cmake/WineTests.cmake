# Tests run under Wine through cmake/wine.sh, which takes the environment
# from cmake/wine-env.sh. One setup fixture starts the prefix's persistent
# server and boots it. The 32-bit programs come from the i686 build beside
# this one.
# Global, so that folders beside tests/ (bench/) register tests the same way.
set(OMBREL_WINE sh ${PROJECT_SOURCE_DIR}/cmake/wine.sh CACHE INTERNAL "")
set(OMBREL_I686_BIN ${CMAKE_BINARY_DIR}/../i686/bin CACHE INTERNAL "")

add_test(NAME wine_start COMMAND ${OMBREL_WINE} start)
add_test(NAME wine_stop COMMAND ${OMBREL_WINE} stop)
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)

function(ombrel_wine_entry name timeout environment)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_desktop
    TIMEOUT ${timeout}
    SKIP_RETURN_CODE 77
    # A filter that matches no case must not pass as a run.
    FAIL_REGULAR_EXPRESSION "test cases: +0 [|]"
    ENVIRONMENT "${environment}")
endfunction()

# ombrel_add_wine_test(NAME <name> COMMAND <target> [args...]
#   [ENVIRONMENT var=value...] [TIMEOUT seconds] [ALSO_32_BIT] [NEEDS_ROOT])
# ALSO_32_BIT adds <name>_32bit, the i686 build's program with the same
# arguments. NEEDS_ROOT runs only the cases named "... (needs root)";
# without root ctest reports them skipped.
function(ombrel_add_wine_test)
  cmake_parse_arguments(T "ALSO_32_BIT;NEEDS_ROOT" "NAME;TIMEOUT" "COMMAND;ENVIRONMENT" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  list(POP_FRONT T_COMMAND program)
  if(T_NEEDS_ROOT)
    ombrel_wine_entry(${T_NAME} ${T_TIMEOUT} "${T_ENVIRONMENT}"
      ${OMBREL_WINE} root $<TARGET_FILE:${program}> ${T_COMMAND})
    return()
  endif()
  ombrel_wine_entry(${T_NAME} ${T_TIMEOUT} "${T_ENVIRONMENT}"
    ${OMBREL_WINE} run $<TARGET_FILE:${program}> ${T_COMMAND})
  if(T_ALSO_32_BIT)
    ombrel_wine_entry(${T_NAME}_32bit ${T_TIMEOUT} "${T_ENVIRONMENT}"
      ${OMBREL_WINE} run32 ${OMBREL_I686_BIN}/${program}.exe ${T_COMMAND})
  endif()
endfunction()

# A 32-bit case that fails on purpose must fail: proof that the 32-bit
# programs really run (one that Wine cannot start ends with 0).
ombrel_wine_entry(failing_case_fails_32bit 120 ""
  ${OMBREL_WINE} run32 ${OMBREL_I686_BIN}/core_tests.exe "-tc=a case that fails on purpose" --no-skip)
set_tests_properties(failing_case_fails_32bit PROPERTIES WILL_FAIL TRUE)
