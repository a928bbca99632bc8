# The installation step copies the shipped database only where none exists:
# an existing database, the user's, is left exactly as it is.
set(dir "${WORK_DIR}/install_if_missing_test")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${dir}/shipped.db" "shipped")

set(target "${dir}/Data/VYN32.db")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${dir}/shipped.db
                -DTARGET=${target} -P ${SCRIPT} RESULT_VARIABLE rc)
file(READ "${target}" installed)
if(NOT rc EQUAL 0 OR NOT installed STREQUAL "shipped")
  message(FATAL_ERROR "a missing database was not installed (${rc}: ${installed})")
endif()

file(WRITE "${target}" "the user's people")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${dir}/shipped.db
                -DTARGET=${target} -P ${SCRIPT} RESULT_VARIABLE rc)
file(READ "${target}" kept)
if(NOT rc EQUAL 0 OR NOT kept STREQUAL "the user's people")
  message(FATAL_ERROR "an existing database was replaced (${rc}: ${kept})")
endif()
file(REMOVE_RECURSE "${dir}")

