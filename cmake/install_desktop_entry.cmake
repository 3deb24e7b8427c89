# Runs at install time and writes the desktop entry. Below /usr and /usr/local
# the games folder is on the PATH, so the entry names the program only; below
# any other prefix it gives the program's full path.
set(vizid_exec vizid)
if(NOT CMAKE_INSTALL_PREFIX MATCHES "(^|/)usr(/local)?/?$")
  set(vizid_exec "\"${CMAKE_INSTALL_PREFIX}/${VIZID_GAMESDIR}/vizid\"")
endif()
set(VIZID_EXEC "${vizid_exec}")
set(vizid_entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VIZID_DATADIR}/applications/${VIZID_APP_ID}.desktop")
message(STATUS "Installing: ${vizid_entry}")
configure_file("${VIZID_DESKTOP_IN}" "${vizid_entry}" @ONLY)
file(CHMOD "${vizid_entry}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${vizid_entry}")
