# Fails when a core source file includes a Qt header.
file(GLOB_RECURSE core_files
  ${SOURCE_DIR}/src/common/* ${SOURCE_DIR}/src/model/* ${SOURCE_DIR}/src/tcl/*
  ${SOURCE_DIR}/src/sections/* ${SOURCE_DIR}/src/viewer/* ${SOURCE_DIR}/src/results/*
  ${SOURCE_DIR}/src/solver/*)
set(offenders "")
foreach(f IN LISTS core_files)
  if(f MATCHES "/ui/")
    continue()
  endif()
  file(STRINGS ${f} hits REGEX "#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Qt headers included by the core:\n${offenders}")
endif()
message(STATUS "core is Qt-free")
