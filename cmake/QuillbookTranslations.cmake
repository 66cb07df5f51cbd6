# The program's translations: one translations/quillbook_<language>.ts per language (a new
# language is one more file there). The build compiles each into quillbook_<language>.qm
# beside the programs (they look there first) and installs it into share/quillbook/translations.
#
#   cmake --build build --target quillbook_lupdate
# brings every .ts up to date with all of src/. Texts no longer in the sources are dropped
# (-no-obsolete): the sources are the list, and git keeps what was there. Without line
# numbers (-locations none), so a .ts changes only when texts do.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

file(GLOB quillbook_ts_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/quillbook_*.ts")
set(QUILLBOOK_LUPDATE_OPTIONS -silent -no-obsolete -locations none)

# Where a program finds them in the build tree: its own folder.
set(quillbook_qm_folders "${PROJECT_BINARY_DIR}/src/cli")
if(QUILLBOOK_BUILD_GUI)
  list(APPEND quillbook_qm_folders "${PROJECT_BINARY_DIR}/src/gui")
  if(QUILLBOOK_BUILD_TESTS)
    # The GUI tests start the application the way the program does.
    list(APPEND quillbook_qm_folders "${PROJECT_BINARY_DIR}/tests/gui")
  endif()
endif()

set(quillbook_qm_files "")
foreach(ts IN LISTS quillbook_ts_files)
  get_filename_component(base "${ts}" NAME_WE)
  set(qm "${PROJECT_BINARY_DIR}/translations/${base}.qm")
  set(copies "")
  foreach(folder IN LISTS quillbook_qm_folders)
    list(APPEND copies "${folder}/${base}.qm")
  endforeach()
  set(copy_commands "")
  foreach(copy IN LISTS copies)
    list(APPEND copy_commands COMMAND "${CMAKE_COMMAND}" -E copy "${qm}" "${copy}")
  endforeach()
  add_custom_command(OUTPUT "${qm}" ${copies}
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/translations"
    COMMAND Qt6::lrelease -silent "${ts}" -qm "${qm}"
    ${copy_commands}
    DEPENDS "${ts}"
    COMMENT "Compiling ${base}.qm"
    VERBATIM)
  list(APPEND quillbook_qm_files "${qm}" ${copies})
  install(FILES "${qm}" DESTINATION ${CMAKE_INSTALL_DATADIR}/quillbook/translations)
endforeach()
add_custom_target(quillbook_translations ALL DEPENDS ${quillbook_qm_files})

add_custom_target(quillbook_lupdate
  COMMAND Qt6::lupdate ${QUILLBOOK_LUPDATE_OPTIONS} "${PROJECT_SOURCE_DIR}/src" -ts ${quillbook_ts_files}
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  COMMENT "Updating the translations from src/"
  VERBATIM)
