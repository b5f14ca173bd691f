# Fails on source constructs the project left behind: the `_qs` literal,
# deprecated since Qt 6.8 (use u"..."_s from Qt::StringLiterals).
#
#   cmake -DSOURCE_DIR=... -P CheckSources.cmake
cmake_minimum_required(VERSION 3.25)
set(faults "")
foreach(folder src tests bench fuzz)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h
       ${SOURCE_DIR}/${folder}/*.in)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} hits REGEX "\"_qs([^A-Za-z0-9_]|$)")
    if(hits)
      list(APPEND faults "${source}: a _qs literal")
    endif()
  endforeach()
endforeach()
if(faults)
  string(JOIN "\n" report ${faults})
  message(FATAL_ERROR "${report}")
endif()
