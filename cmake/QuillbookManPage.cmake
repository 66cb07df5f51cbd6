# Writes a gzipped man page from a template and the program's own --help, so the page always
# lists the options and commands the program really has.
#   cmake -DPROGRAM=<exe> -DTEMPLATE=<x.1.in> -DOUTPUT=<x.1.gz> -DVERSION=<v> -P QuillbookManPage.cmake
# @HELP@ becomes "PROGRAM --help" as filled roff; @COMMANDS@ becomes one subsection per command listed under
# "Commands:" in that help, with "PROGRAM COMMAND --help".

# The page is English whatever language the build runs in.
set(ENV{LC_ALL} C.UTF-8)
unset(ENV{LANGUAGE})

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

# Turns a --help text into roff that man fills to the reader's width: plain lines become
# filled paragraphs, "  TERM  description" lines (options, commands, files) become tagged
# paragraphs whose deeper-indented continuation lines join the description, and a blank line
# starts a new paragraph.
function(help_to_roff text out)
  # List separators and brackets would be read by CMake's list handling: hide them.
  string(REPLACE ";" "@SEMI@" text "${text}")
  string(REPLACE "[" "@OPEN@" text "${text}")
  string(REPLACE "]" "@CLOSE@" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(roff "")
  set(state NONE) # NONE, PARA (filled text) or ITEM (a tagged paragraph)
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      set(state NONE)
      continue()
    endif()
    if(line MATCHES "^   +([^ ].*)$" AND state STREQUAL "ITEM")
      roff_escape("${CMAKE_MATCH_1}" part)
      string(APPEND roff "${part}\n")
    elseif(line MATCHES "^  ([^ ]([^ ]| [^ ])*)  +([^ ].*)$")
      roff_escape("${CMAKE_MATCH_1}" term)
      roff_escape("${CMAKE_MATCH_3}" part)
      string(APPEND roff ".TP\n\\fB${term}\\fR\n${part}\n")
      set(state ITEM)
    else()
      string(REGEX REPLACE "^ +" "" line "${line}")
      roff_escape("${line}" part)
      if(NOT state STREQUAL "PARA")
        string(APPEND roff ".PP\n")
      endif()
      string(APPEND roff "${part}\n")
      set(state PARA)
    endif()
  endforeach()
  string(REPLACE "@SEMI@" ";" roff "${roff}")
  string(REPLACE "@OPEN@" "[" roff "${roff}")
  string(REPLACE "@CLOSE@" "]" roff "${roff}")
  string(REGEX REPLACE "\n+$" "" roff "${roff}")
  set(${out} "${roff}" PARENT_SCOPE)
endfunction()

help_of(help)
help_to_roff("${help}" HELP)

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
    help_to_roff("${command_help}" command_help)
    string(APPEND COMMANDS ".SS ${name}\n${command_help}\n")
  endforeach()
endif()

configure_file("${TEMPLATE}" "${OUTPUT}.page" @ONLY)
execute_process(COMMAND gzip -9nc "${OUTPUT}.page" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${OUTPUT}")
endif()
