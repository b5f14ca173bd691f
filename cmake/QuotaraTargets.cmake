# Warnings are errors where someone can fix them: in Debug builds and on CI.
# A release built with a newer compiler or Qt must not stop at a new warning.
if(CMAKE_BUILD_TYPE STREQUAL "Debug" OR DEFINED ENV{CI})
  set(quotara_werror_default ON)
else()
  set(quotara_werror_default OFF)
endif()
option(QUOTARA_WERROR "Treat compiler warnings as errors" ${quotara_werror_default})

# Common compile settings for every target of the project. Deprecations are
# pinned to the Qt we target (6.4): what a later Qt deprecates neither warns
# nor disappears. Qt 6.4 reads QT_DEPRECATED_WARNINGS_SINCE, later ones
# QT_WARN_DEPRECATED_UP_TO.
function(quotara_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wold-style-cast)
  if(QUOTARA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_FOREACH QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_DEPRECATED_WARNINGS_SINCE=0x060400
    QT_WARN_DEPRECATED_UP_TO=0x060400)
  if(QUOTARA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Publishes the folder of the calling CMakeLists.txt (a subsystem, for example
# src/succession) as the include root of `target`, its `<subsystem>_core`:
# the root holds that one folder, so `#include "succession/report.h"` compiles
# only in targets that link succession_core, directly or through another
# library. `<subsystem>_ui` gets the root by linking its `_core`.
function(quotara_include_root target)
  get_filename_component(subsystem ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/include/${subsystem})
  if(NOT IS_SYMLINK ${root}/${subsystem})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${subsystem} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# Each subsystem may add quotara-cli commands: NAME is the command word, FUNCTION
# an `int FUNCTION(const QStringList&, QTextStream& out, QTextStream& err)`.
function(quotara_register_cli name function_name target)
  set_property(GLOBAL APPEND PROPERTY QUOTARA_CLI_COMMANDS "${name}:${function_name}")
  set_property(GLOBAL APPEND PROPERTY QUOTARA_CLI_LIBRARIES ${target})
endfunction()

# Each subsystem with windows registers a function `void NAME(Forms&)` that adds
# its window factories; the program and the window tests call all of them.
function(quotara_register_windows function_name target)
  set_property(GLOBAL APPEND PROPERTY QUOTARA_WINDOW_REGISTRARS ${function_name})
  set_property(GLOBAL APPEND PROPERTY QUOTARA_WINDOW_LIBRARIES ${target})
endfunction()

# The folders a test may write instead of the user's: HOME and the XDG ones,
# under the build tree, emptied before every ctest run (fixture test_homes).
function(quotara_test_environment name out_var)
  set(home ${PROJECT_BINARY_DIR}/test-homes/${name})
  set(${out_var}
      "HOME=${home}/home"
      "XDG_CONFIG_HOME=${home}/config"
      "XDG_DATA_HOME=${home}/data"
      "XDG_CACHE_HOME=${home}/cache"
      "XDG_STATE_HOME=${home}/state"
      "XDG_RUNTIME_DIR=${home}/runtime"
      "TMPDIR=${home}/tmp"
      PARENT_SCOPE)
  set_property(GLOBAL APPEND PROPERTY QUOTARA_TEST_HOMES ${home})
endfunction()

# A run of the test `executable` registered with CTest as `name`: on the Qt
# platform `platform`, with the Italian locale and its own home folders; the
# further arguments are more environment entries. A leak fails the test under
# the sanitizers; the suppressions name what leaks inside system libraries.
function(quotara_test_run name executable platform)
  add_test(NAME ${name} COMMAND ${executable})
  quotara_test_environment(${name} homes)
  set(environment "QT_QPA_PLATFORM=${platform}" LANG=it_IT.UTF-8 LC_ALL=C.UTF-8
                  ASAN_OPTIONS=detect_leaks=1
                  LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp ${homes} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${environment}"
    FIXTURES_REQUIRED test_homes
    TIMEOUT 300)
endfunction()

# A Qt Test executable registered with CTest, run headless (on PLATFORM, the
# offscreen one unless given) with the Italian locale and its own home
# folders. A test whose LIBRARIES are all `_core`
# libraries (or test_probe) is a core test: the build checks that it links no
# widget library.
function(quotara_add_test name)
  cmake_parse_arguments(ARG "" "PLATFORM" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_PLATFORM)
    set(ARG_PLATFORM offscreen)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  quotara_defaults(${name})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
  quotara_test_run(${name} ${name} ${ARG_PLATFORM})
  set(core ON)
  foreach(library IN LISTS ARG_LIBRARIES)
    if(NOT library MATCHES "_core$" AND NOT library STREQUAL "test_probe")
      set(core OFF)
    endif()
  endforeach()
  if(core)
    set_property(GLOBAL APPEND PROPERTY QUOTARA_CORE_EXECUTABLES ${name})
  endif()
endfunction()
