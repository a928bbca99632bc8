# The compiler warnings of every target. VYN_WERROR turns them into errors;
# build.sh sets it for both of its trees.
option(VYN_WERROR "Treat compiler warnings as errors" OFF)

set(VYN_WARNING_FLAGS
  -Wall
  -Wextra
  -Wpedantic
  -Wshadow
  -Wnon-virtual-dtor)
add_compile_options(${VYN_WARNING_FLAGS})
if(VYN_WERROR)
  add_compile_options(-Werror)
endif()
