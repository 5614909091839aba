# Runs sinuet-trace for ctest and checks what it printed.
#   -DTOOL=path -DARGS="options as one string"
#   -DGOLDEN=file [-DACTUAL=file]   standard output must equal the golden file (exit 0)
#   -DBAD_OPTION=name               exit code 2, nothing on standard output, and one line
#                                   on standard error that names the option
separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${TOOL} ${args}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)

if(DEFINED BAD_OPTION)
    if(NOT rc EQUAL 2)
        message(FATAL_ERROR "exit code ${rc}, expected 2 for: ${ARGS}")
    endif()
    if(NOT out STREQUAL "")
        message(FATAL_ERROR "unexpected standard output for: ${ARGS}")
    endif()
    string(FIND "${err}" "${BAD_OPTION}" at)
    string(REGEX MATCHALL "\n" newlines "${err}")
    list(LENGTH newlines lines)
    if(at EQUAL -1 OR NOT lines EQUAL 1)
        message(FATAL_ERROR "expected one error line naming ${BAD_OPTION}, got: ${err}")
    endif()
    return()
endif()

if(NOT rc EQUAL 0)
    message(FATAL_ERROR "exit code ${rc} for: ${ARGS}\n${err}")
endif()
file(READ ${GOLDEN} expected)
if(NOT out STREQUAL expected)
    file(WRITE ${ACTUAL} "${out}")
    message(FATAL_ERROR "trace differs from ${GOLDEN}; actual output in ${ACTUAL}\n"
        "compare with: diff ${GOLDEN} ${ACTUAL}")
endif()
