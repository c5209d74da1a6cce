# Tests run under Wine in a prefix of the build's own. One setup fixture
# starts a persistent server and boots the prefix with its output sent away
# (Wine's services would otherwise hold ctest's pipes open), and configures
# the prefix once: unmanaged windows (no 2 s stall without a window manager),
# Japanese font replacements, the caption-button font.
set(OMBREL_TEST_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# Wine's Recycle Bin is $XDG_DATA_HOME/Trash: runs fill the build's own.
# Wine deletes for good where that folder is missing at a process's first
# recycling, so it is there before any test starts.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/trash-home)
set(OMBREL_TEST_ENV
  "WINEPREFIX=${OMBREL_TEST_PREFIX}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml="
  "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/trash-home")

add_test(NAME wine_start COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh start)
add_test(NAME wine_stop COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh stop)
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${OMBREL_TEST_ENV}")
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${OMBREL_TEST_ENV}")

# ombrel_add_wine_test(NAME <name> COMMAND <target or program> [args...])
function(ombrel_add_wine_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "COMMAND;ENVIRONMENT" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  set_tests_properties(${T_NAME} PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_desktop
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${OMBREL_TEST_ENV};${T_ENVIRONMENT}")
endfunction()
