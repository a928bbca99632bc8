# `cmake --install <build> --prefix DIR` gives a runnable application
# directory DIR/lib/vyn/ (the program finds its data beside itself) and the
# command DIR/bin/vyn-cli pointing into it. What is installed is what a new
# installation gets: the shipped database and settings, never the ones a
# user changed in the build tree's application directory.
if(NOT TARGET vyn-cli OR NOT TARGET shipped_database)
  return()  # a tree without the program or its database installs nothing
endif()
include(GNUInstallDirs)
set(VYN_INSTALL_APP_DIR ${CMAKE_INSTALL_LIBDIR}/vyn CACHE STRING
    "The application directory under the install prefix")

install(TARGETS vyn-cli RUNTIME DESTINATION ${VYN_INSTALL_APP_DIR})
if(TARGET vyn)
  install(TARGETS vyn RUNTIME DESTINATION ${VYN_INSTALL_APP_DIR})
  install(FILES ${VYN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VYN_APP_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/DATA.md DESTINATION ${VYN_INSTALL_APP_DIR})
endif()
install(FILES
  ${VYN_APP_DIR}/VYN.LNG
  ${VYN_APP_DIR}/VYN.STD
  ${VYN_APP_DIR}/VYNmr.STD
  ${VYN_APP_DIR}/VYN2.STD
  ${VYN_APP_DIR}/VYNS.TTF
  ${VYN_APP_DIR}/VYNSS.TTF
  DESTINATION ${VYN_INSTALL_APP_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/content/settings/VYN2.STD
  DESTINATION ${VYN_INSTALL_APP_DIR} RENAME VYNMR.INI)
install(FILES ${VYN_SHIPPED_DATABASE}
  DESTINATION ${VYN_INSTALL_APP_DIR}/Data RENAME VYN32.db)
install(DIRECTORY ${VYN_APP_DIR}/Language DESTINATION ${VYN_INSTALL_APP_DIR})

# The command on the PATH is a link: the program resolves its own path, so
# it still finds the application directory.
foreach(program vyn-cli vyn)
  if(NOT TARGET ${program})
    continue()
  endif()
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${VYN_INSTALL_APP_DIR}/${program})
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK \"${link_target}\" \"\${bin}/${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${program} -> ${link_target}\")")
endforeach()

# The installed tree runs on its own: installed into a scratch prefix, the
# command there prints what the build tree's program prints.
add_test(NAME install_tree
  COMMAND ${CMAKE_COMMAND}
          -DBUILD_DIR=${CMAKE_BINARY_DIR}
          -DPREFIX=${CMAKE_BINARY_DIR}/install-test
          -DCOMMAND=${CMAKE_INSTALL_BINDIR}/vyn-cli
          -DREFERENCE=$<TARGET_FILE:vyn-cli>
          -P ${CMAKE_CURRENT_LIST_DIR}/install_test.cmake)
set_tests_properties(install_tree PROPERTIES
  ENVIRONMENT_MODIFICATION "VYN_HOME=unset:")
