# Writes a gzipped man page from a template and the program's own --help, so the page always
# lists the options and commands the program really has.
#   cmake -DPROGRAM=<exe> -DTEMPLATE=<x.1.in> -DOUTPUT=<x.1.gz> -DVERSION=<v> -P QuillbookManPage.cmake
# @HELP@ becomes "PROGRAM --help"; @COMMANDS@ becomes one subsection per command listed under
# "Commands:" in that help, with "PROGRAM COMMAND --help".

function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  # A line starting with a dot or an apostrophe would be read as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(help_of out)
  execute_process(COMMAND "${PROGRAM}" ${ARGN} --help
    OUTPUT_VARIABLE help RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status}): ${errors}")
  endif()
  set(${out} "${help}" PARENT_SCOPE)
endfunction()

help_of(help)
roff_escape("${help}" HELP)

set(COMMANDS "")
string(FIND "${help}" "\nCommands:\n" start)
if(start GREATER -1)
  math(EXPR start "${start} + 11")
  string(SUBSTRING "${help}" ${start} -1 listed)
  string(FIND "${listed}" "\n\n" stop)
  string(SUBSTRING "${listed}" 0 ${stop} listed)
  # Whole lines, so that a match never starts inside one.
  string(REGEX MATCHALL "(^|\n)  [a-z][a-z0-9-]* [^\n]*" lines "${listed}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n?  ([a-z][a-z0-9-]*) .*$" "\\1" name "${line}")
    help_of(command_help "${name}")
    roff_escape("${command_help}" command_help)
    string(APPEND COMMANDS ".SS ${name}\n.nf\n${command_help}\n.fi\n")
  endforeach()
endif()

configure_file("${TEMPLATE}" "${OUTPUT}.page" @ONLY)
execute_process(COMMAND gzip -9nc "${OUTPUT}.page" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${OUTPUT}")
endif()
