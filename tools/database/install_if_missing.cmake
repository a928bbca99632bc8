# Copies SOURCE to TARGET unless TARGET exists: an installed database or
# settings file holds the user's data and is never replaced.
if(EXISTS "${TARGET}")
  return()
endif()
get_filename_component(dir "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(COPY_FILE "${SOURCE}" "${TARGET}.new")
file(RENAME "${TARGET}.new" "${TARGET}")
message(STATUS "Installed ${TARGET}: there was none")
