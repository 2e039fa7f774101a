# The files installed beside the program, and the Debian package made of them
# by `cpack` (or `cpack -G DEB`) in a build folder.

# The desktop's files: the launcher entry, its AppStream description, the
# program icon (scalable and in the sizes of the icon theme), the help
# document and the manual page.
# A terminal-only build has no window for a launcher to open.
if(HORATICK_HAVE_QT)
  install(FILES packaging/horatick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/org.horatick.horatick.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(FILES packaging/icons/horatick.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY packaging/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES docs/help.html DESTINATION ${CMAKE_INSTALL_DATADIR}/horatick)

# The manual page and the changelog are installed compressed, as Debian keeps
# them; -n leaves the name and time out, so the same text gives the same bytes.
set(HORATICK_GZIPPED)
foreach(text IN ITEMS docs/horatick.1 packaging/changelog)
  get_filename_component(name ${text} NAME)
  set(gzipped ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${text} > ${gzipped}
    DEPENDS ${PROJECT_SOURCE_DIR}/${text} VERBATIM)
  list(APPEND HORATICK_GZIPPED ${gzipped})
endforeach()
add_custom_target(horatick_compressed_docs ALL DEPENDS ${HORATICK_GZIPPED})
install(FILES ${PROJECT_BINARY_DIR}/packaging/horatick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horatick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Horatick developers <developers@horatick.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small always-on-top desk clock with alarms and timers")
# Lines as they are to show, each under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Horatick is a desk clock: a small window, one caption bar high, that stays"
  "in front of the others and whose caption is the clock face, with the time,"
  "the date and the count of a running stopwatch or countdown. It has ten"
  "alarms that beep, show a note or start a program, two stopwatches, two"
  "countdowns and an hourly beep. Without a display it runs as a terminal"
  "clock that prints each new face as a line.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# horatick_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are those of the libraries the program links, and for the
# desktop clock the font its dialogs are laid out in and the tool that opens
# the help document in the browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(HORATICK_HAVE_QT)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Builds the package from this build and checks what is in it.
if(BUILD_TESTING AND NOT HORATICK_SANITIZE)
  add_test(NAME debian_package
    COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/package_test.sh ${PROJECT_BINARY_DIR} ${PROJECT_VERSION}
      $<IF:$<BOOL:${HORATICK_HAVE_QT}>,desktop,terminal>)
  set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
endif()
