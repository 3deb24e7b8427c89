# ---- installing and packaging ------------------------------------------------------
# `cmake --install build [--prefix DIR]` (`make install PREFIX=DIR`) puts the game
# where a Linux game belongs: the program in games/, the desktop entry, the icon
# in the hicolor theme, the AppStream metadata, the manual page and the
# copyright. The pictures, sounds, music and map are embedded in the program.
# `cpack` (`make package`) turns the same files into a Debian package.
include(GNUInstallDirs)

set(VIZID_APP_ID org.orvandel.vizid)
set(VIZID_PACKAGE_NAME vizid-of-vorgash)
set(VIZID_HOMEPAGE "https://example.org/vizid-of-vorgash" CACHE STRING
  "Home page named by the package and the AppStream metadata (screenshots lie below it)")
set(VIZID_INSTALL_GAMESDIR games CACHE STRING "Folder below the prefix that receives the program")
set(VIZID_RELEASE_DATE 2026-12-07)
set(VIZID_RELEASE_DATE_RFC "Mon, 07 Dec 2026 00:00:00 +0000")

target_compile_definitions(vizid PRIVATE VIZID_VERSION="${PROJECT_VERSION}")
target_compile_definitions(vizid_tests PRIVATE VIZID_CMAKE_COMMAND="${CMAKE_COMMAND}"
  VIZID_APP_ID="${VIZID_APP_ID}" VIZID_GAMESDIR="${VIZID_INSTALL_GAMESDIR}")

# Everything installed belongs to one component, "game": the install test installs
# that component, so its record (install_manifest_game.txt) leaves the one of a
# real install (install_manifest.txt, which `make uninstall` reads) alone.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME ${VIZID_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR Orvandel)
set(CPACK_PACKAGE_CONTACT "Orvandel <vizid@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based fantasy role-playing game")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Two heroes leave the town of Duduvi and cross fifteen screens in five"
  "areas: a forest, a dark cavern, a desert, a giant vegetable garden and"
  "Vorgash's hideout, under a day and night cycle. Random attacks lead to"
  "timer-driven battles against one monster at a time; chests and victories"
  "bring loot for a shared inventory; a portal on the last screen leads to"
  "Vorgash himself.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VIZID_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Files made from dist/ with the version and names filled in.
set(VIZID_DIST_OUT ${CMAKE_BINARY_DIR}/dist)
configure_file(dist/${VIZID_APP_ID}.metainfo.xml.in ${VIZID_DIST_OUT}/${VIZID_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/copyright.in ${VIZID_DIST_OUT}/copyright @ONLY)
configure_file(dist/changelog.Debian.in ${VIZID_DIST_OUT}/changelog.Debian @ONLY)
configure_file(dist/vizid.6 ${VIZID_DIST_OUT}/vizid.6 @ONLY)
# Debian wants the manual page and the changelog compressed, without a time stamp.
add_custom_command(
  OUTPUT ${VIZID_DIST_OUT}/vizid.6.gz ${VIZID_DIST_OUT}/changelog.Debian.gz
  COMMAND gzip -9nkf ${VIZID_DIST_OUT}/vizid.6 ${VIZID_DIST_OUT}/changelog.Debian
  DEPENDS ${VIZID_DIST_OUT}/vizid.6 ${VIZID_DIST_OUT}/changelog.Debian
  VERBATIM)
add_custom_target(vizid-dist-files ALL DEPENDS ${VIZID_DIST_OUT}/vizid.6.gz ${VIZID_DIST_OUT}/changelog.Debian.gz)

# The icon, drawn by the picture generator in every hicolor size and as SVG.
if(TARGET vizid_pictures)
  add_executable(vizid-icongen tools/icongen/main.cpp)
  target_include_directories(vizid-icongen PRIVATE tools/assetgen)
  target_link_libraries(vizid-icongen PRIVATE vizid_pictures)
  target_compile_options(vizid-icongen PRIVATE ${VIZID_WARNINGS})
  add_custom_command(
    OUTPUT ${VIZID_DIST_OUT}/icons.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${VIZID_DIST_OUT}/icons
    # Cairo's SVG surface keeps a few small allocations to the end of the
    # program; in the sanitizer build that must not fail the build.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:vizid-icongen> ${VIZID_DIST_OUT}/icons ${VIZID_APP_ID}
    COMMAND ${CMAKE_COMMAND} -E touch ${VIZID_DIST_OUT}/icons.stamp
    DEPENDS vizid-icongen
    COMMENT "Drawing the game's icon"
    VERBATIM)
  add_custom_target(vizid-icons ALL DEPENDS ${VIZID_DIST_OUT}/icons.stamp)
  install(DIRECTORY ${VIZID_DIST_OUT}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

install(TARGETS vizid RUNTIME DESTINATION ${VIZID_INSTALL_GAMESDIR})
install(CODE "set(VIZID_DESKTOP_IN \"${CMAKE_SOURCE_DIR}/dist/${VIZID_APP_ID}.desktop.in\")
set(VIZID_APP_ID ${VIZID_APP_ID})
set(VIZID_GAMESDIR ${VIZID_INSTALL_GAMESDIR})
set(VIZID_DATADIR ${CMAKE_INSTALL_DATADIR})")
install(SCRIPT cmake/install_desktop_entry.cmake)
install(FILES ${VIZID_DIST_OUT}/${VIZID_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VIZID_DIST_OUT}/vizid.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VIZID_DIST_OUT}/copyright ${VIZID_DIST_OUT}/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VIZID_PACKAGE_NAME})

include(CPack)
