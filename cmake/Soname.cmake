# The name a library is opened by at run time, as the linker would have
# recorded it: for the libraries the program opens only when a feature
# first needs them.
function(sorn_soname out name)
  find_library(sorn_${name}_path ${name} HINTS ${ARGN} REQUIRED)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${sorn_${name}_path} OUTPUT_VARIABLE dump)
  if(NOT dump MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "No SONAME in ${sorn_${name}_path}")
  endif()
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
