# Installs BUILD_DIR into a fresh PREFIX and runs PREFIX/COMMAND synastry
# there; its output must be that of the build tree's program REFERENCE.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD_DIR} --prefix ${PREFIX} failed: ${status}")
endif()

function(run_synastry program out)
  execute_process(COMMAND ${program} synastry
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} synastry exited with ${status}: ${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

run_synastry(${PREFIX}/${COMMAND} installed)
run_synastry(${REFERENCE} reference)
if(NOT installed STREQUAL reference)
  message(FATAL_ERROR "${PREFIX}/${COMMAND} synastry differs from ${REFERENCE} synastry")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "${PREFIX}/${COMMAND} synastry: same output as the build tree")
