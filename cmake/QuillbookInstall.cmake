# What "cmake --install" puts in place, and the Debian package CPack builds from the same rules:
# the two programs, the desktop entry, the journal file type, the icons, the AppStream
# metainfo, the man pages and the help pages.
include(GNUInstallDirs)
# Installing and packaging take what is built; they never start a build of every target
# (the tests included) themselves.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# Debian names the documentation folder after the package, in lower case.
set(QUILLBOOK_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quillbook)

set(QUILLBOOK_DATA "${PROJECT_SOURCE_DIR}/data")

install(TARGETS qbk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages are written from the programs' own --help when they are built.
set(quillbook_man_pages "")
function(quillbook_man_page program)
  set(page "${PROJECT_BINARY_DIR}/man/${program}.1.gz")
  add_custom_command(OUTPUT "${page}"
    COMMAND "${CMAKE_COMMAND}" -DPROGRAM=$<TARGET_FILE:${program}>
            "-DTEMPLATE=${QUILLBOOK_DATA}/man/${program}.1.in" "-DOUTPUT=${page}"
            -DVERSION=${PROJECT_VERSION} -P "${PROJECT_SOURCE_DIR}/cmake/QuillbookManPage.cmake"
    DEPENDS ${program} "${QUILLBOOK_DATA}/man/${program}.1.in"
            "${PROJECT_SOURCE_DIR}/cmake/QuillbookManPage.cmake"
    COMMENT "Writing the ${program}(1) man page"
    VERBATIM)
  set(quillbook_man_pages ${quillbook_man_pages} "${page}" PARENT_SCOPE)
  install(FILES "${page}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/man")
quillbook_man_page(qbk)

if(QUILLBOOK_BUILD_GUI)
  install(TARGETS quillbook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  quillbook_man_page(quillbook)
  install(FILES "${QUILLBOOK_DATA}/quillbook.desktop"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES "${QUILLBOOK_DATA}/quillbook-mime.xml"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillbook.xml)
  install(FILES "${QUILLBOOK_DATA}/com.orrinvale.quillbook.metainfo.xml"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES "${PROJECT_SOURCE_DIR}/src/gui/res/images/quillbook.svg"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # PNG renders of the same picture (scripts/render-icons.sh).
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES "${QUILLBOOK_DATA}/icons/${size}x${size}/quillbook.png"
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  # The program shows its help from its own resources; the pages are also here to be read
  # in a browser.
  file(GLOB help_pages CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/gui/res/help/*")
  install(FILES ${help_pages} DESTINATION ${QUILLBOOK_DOCDIR}/help)

  # Installed straight into a prefix, the desktop learns the file type at once; into a staging
  # folder (DESTDIR, the package) it is the target system's business (Debian's triggers).
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(quillbook_update_mime update-mime-database)
      find_program(quillbook_update_desktop update-desktop-database)
      if(quillbook_update_mime)
        execute_process(COMMAND \"\${quillbook_update_mime}\"
          \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
      endif()
      if(quillbook_update_desktop)
        execute_process(COMMAND \"\${quillbook_update_desktop}\"
          \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
      endif()
    endif()")
endif()
add_custom_target(quillbook_man_pages ALL DEPENDS ${quillbook_man_pages})

# The Debian package's documentation folder wants the copyright and a compressed changelog.
set(quillbook_changelog "${PROJECT_BINARY_DIR}/changelog.gz")
add_custom_command(OUTPUT "${quillbook_changelog}"
  COMMAND gzip -9nc "${QUILLBOOK_DATA}/changelog" > "${quillbook_changelog}"
  DEPENDS "${QUILLBOOK_DATA}/changelog")
add_custom_target(quillbook_changelog ALL DEPENDS "${quillbook_changelog}")
install(FILES "${QUILLBOOK_DATA}/copyright" "${quillbook_changelog}"
  DESTINATION ${QUILLBOOK_DOCDIR})

include(cmake/QuillbookPackage.cmake)
