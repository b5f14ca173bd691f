# Common compile settings for every target of the project.
function(quotara_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wold-style-cast -Werror)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_FOREACH QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
  if(QUOTARA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
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

# A Qt Test executable registered with CTest, run headless with the Italian locale.
function(quotara_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quotara_defaults(${name})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=it_IT.UTF-8;LC_ALL=C.UTF-8;QUOTARA_NO_MUSIC=1;ASAN_OPTIONS=detect_leaks=0"
    TIMEOUT 300)
endfunction()
