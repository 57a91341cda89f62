# What `cmake --install` puts under the prefix: the programs, the program folder,
# the menu entry with its icons and the manual pages. libdialix and its package
# are installed by knob/.

# Every program that this build makes (daltoctl installs its completion file
# itself); a program whose folder is absent is skipped.
foreach(program dalto-panel dalto-sim daltoctl)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The program folder: the installed program finds it as ../share/dalto-panel
# beside its bin folder, by the default settings file in it.
install(FILES
  resources/Dalto_Panel.ini
  resources/TAV_Panel.ini
  resources/icon.ico
  resources/logo.gif
  resources/name.gif
  DESTINATION ${CMAKE_INSTALL_DATADIR}/dalto-panel)

# The menu entry, the theme icons (made by running a program of this build)
# and the manual pages belong to a Linux desktop.
if(NOT WIN32)
  add_subdirectory(desktop)

  file(GLOB DALTO_MAN_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/man/*.1)
  install(FILES ${DALTO_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
