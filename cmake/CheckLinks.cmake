# Fails when one of FILES (executables) needs a widget library of Qt.
#
#   cmake -DREADELF=readelf "-DFILES=a;b" -P CheckLinks.cmake
cmake_minimum_required(VERSION 3.25)
set(faults "")
foreach(file IN LISTS FILES)
  execute_process(COMMAND ${READELF} -d ${file} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(APPEND faults "${file}: readelf failed")
    continue()
  endif()
  string(REGEX MATCHALL "Shared library: \\[libQt6(Widgets|PrintSupport|SvgWidgets|OpenGLWidgets)[^]]*\\]"
         widgets "${dynamic}")
  if(widgets)
    list(APPEND faults "${file} links ${widgets}")
  endif()
endforeach()
if(faults)
  string(JOIN "\n" report ${faults})
  message(FATAL_ERROR "Core executables linking widgets:\n${report}")
endif()
list(LENGTH FILES count)
message(STATUS "${count} core executables link no widget library")
