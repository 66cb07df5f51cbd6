# cmake -DLUPDATE=... -DTS=translations/quillbook_de.ts -DSOURCES="src;..." -DWORK=dir -P Complete.cmake
# Fails, naming them, when the sources hold a text the translation lacks, or when lupdate warns
# (a text it misreads). Works on a copy: the .ts in the source tree is left as it is.
get_filename_component(name "${TS}" NAME)
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${TS}" "${WORK}/${name}")
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${SOURCES}
  -ts "${WORK}/${name}" RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR output MATCHES ": ")
  message(FATAL_ERROR "lupdate failed or warns:\n${output}")
endif()
file(READ "${WORK}/${name}" ts)
string(REPLACE ";" "&#59;" ts "${ts}") # a semicolon would split the list below
string(REGEX MATCHALL "<name>[^<]*</name>|<source>[^<]*</source>[^<]*<translation type=\"unfinished\""
       found "${ts}")
set(missing "")
foreach(item IN LISTS found)
  if(item MATCHES "^<name>([^<]*)</name>$")
    set(context "${CMAKE_MATCH_1}")
  elseif(item MATCHES "^<source>([^<]*)</source>")
    string(APPEND missing "  ${context}: ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "texts without a translation in ${name}:\n${missing}")
endif()
