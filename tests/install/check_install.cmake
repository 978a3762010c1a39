# Installs BUILD_DIR into PREFIX afresh and checks what landed there. Run with -D for each
# variable named below.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file ${BINDIR}/zktools ${BINDIR}/zkstart ${LIBDIR}/${SONAME} ${LIBDIR}/libzkcomm.so
             ${INCLUDEDIR}/zkcomm/zkcomm.h)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

function(dynamic_section file out)
  execute_process(COMMAND ${READELF} -d ${file} OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "readelf -d ${file} failed")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

dynamic_section(${PREFIX}/${LIBDIR}/${SONAME} library)
if(NOT library MATCHES "\\(SONAME\\)[^\n]*\\[${SONAME}\\]")
  message(FATAL_ERROR "the library's SONAME is not ${SONAME}:\n${library}")
endif()

dynamic_section(${PREFIX}/${BINDIR}/zktools tool)
string(REPLACE "$" "\\$" runpath "${RUNPATH}")
if(NOT tool MATCHES "\\(RUNPATH\\)[^\n]*\\[${runpath}\\]")
  message(FATAL_ERROR "zktools does not look for the library in ${RUNPATH}:\n${tool}")
endif()
if(NOT tool MATCHES "\\(NEEDED\\)[^\n]*\\[${SONAME}\\]")
  message(FATAL_ERROR "zktools does not need ${SONAME}:\n${tool}")
endif()

# The loader, as it will start the installed tool, finds the installed library.
execute_process(COMMAND ldd ${PREFIX}/${BINDIR}/zktools OUTPUT_VARIABLE loaded
  RESULT_VARIABLE result)
string(REGEX MATCH "${SONAME} => ([^ \t\n]+)" found "${loaded}")
file(REAL_PATH "${CMAKE_MATCH_1}" found_path)
file(REAL_PATH "${PREFIX}/${LIBDIR}/${SONAME}" installed_path)
if(NOT result EQUAL 0 OR NOT found OR NOT found_path STREQUAL installed_path)
  message(FATAL_ERROR "installed zktools does not load the installed library:\n${loaded}")
endif()
