# Writes the gzipped man page OUTPUT of PROGRAM with help2man from its --help and --version. A
# program whose help lists sub-commands gets a COMMANDS section holding each command's own --help.
# cmake -DHELP2MAN=... -DPROGRAM=... -DSUMMARY=... -DOUTPUT=... -P man_page.cmake
get_filename_component(name ${PROGRAM} NAME)
get_filename_component(work ${OUTPUT} DIRECTORY)
set(include_file ${work}/${name}.h2m)
set(page ${work}/${name}.1)

# Text shown as it is: backslashes escaped, a line starting with a control character protected.
function(as_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()
set(commands)
if(help MATCHES "\nSubcommands:\n(.*)$")
  string(REGEX MATCHALL "\n  ([a-z][a-z-]*)" lines "\n${CMAKE_MATCH_1}")
  foreach(line ${lines})
    string(STRIP "${line}" command)
    list(APPEND commands ${command})
  endforeach()
endif()

set(include_option)
if(commands)
  set(include_option --include=${include_file})
  file(WRITE ${include_file} "[COMMANDS]\n")
  foreach(command ${commands})
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE command_help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${PROGRAM} ${command} --help failed (${status})")
    endif()
    as_roff("${command_help}" command_help)
    file(APPEND ${include_file} ".SS ${command}\n.nf\n${command_help}.fi\n")
  endforeach()
endif()

execute_process(COMMAND ${HELP2MAN} --no-info --no-discard-stderr --name=${SUMMARY} ${include_option}
                        --output=${page} ${PROGRAM}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed on ${PROGRAM} (${status})")
endif()
# Debian's form: gzip -9 without a name or time stamp, so the page is the same at every build.
execute_process(COMMAND gzip -9nf ${page} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${page}")
endif()
