# Fails unless the shared library's dynamic symbol table defines exactly the
# eleven exports. Run with -DNM=<nm> -DLIBRARY=<libzkcomm.so>.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(found "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND found ${name})
endforeach()
list(SORT found)
set(expected CommZkDLLCompileTime CommZkDLLVersion DisableDrive EnableDrive
  GetVarFromEEPROM GetVarFromFPGA NVErase NVEraseUnit PutVarToEEPROM PutVarToFPGA
  UseParallelPort)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "exported: ${found}\nexpected: ${expected}")
endif()
message(STATUS "exactly the eleven exports")
