# Installs the build into a fresh folder and checks that every file is where
# desktops look for it. Run by ctest: cmake -DBAU=... -DZIEL=... -DID=... -P Installation.cmake
file(REMOVE_RECURSE ${ZIEL})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BAU} --prefix ${ZIEL}
                RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${ergebnis}")
endif()
include(GNUInstallDirs)
foreach(datei
    ${CMAKE_INSTALL_BINDIR}/kartovex
    ${CMAKE_INSTALL_BINDIR}/kartovex-konvert
    ${CMAKE_INSTALL_DATADIR}/applications/${ID}.desktop
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/${ID}.svg
    ${CMAKE_INSTALL_DATADIR}/metainfo/${ID}.metainfo.xml)
  if(NOT EXISTS ${ZIEL}/${datei})
    message(FATAL_ERROR "not installed: ${datei}")
  endif()
endforeach()
# The entry starts the installed program by name and shows the installed icon.
file(READ ${ZIEL}/${CMAKE_INSTALL_DATADIR}/applications/${ID}.desktop eintrag)
if(NOT eintrag MATCHES "\nExec=kartovex\n" OR NOT eintrag MATCHES "\nIcon=${ID}\n")
  message(FATAL_ERROR "Exec or Icon of the desktop entry do not match the installed files")
endif()
