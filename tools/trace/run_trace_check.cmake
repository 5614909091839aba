# Runs sinuet-trace for ctest and checks what it printed.
#   -DTOOL=path -DARGS="options as one string" [-DEMULATOR=launcher]
#   -DGOLDEN=file [-DACTUAL=file]   standard output must equal the golden file (exit 0)
#   -DDIGEST=sha256                 standard output must have this SHA-256 (exit 0)
#   -DBAD_OPTION=name               exit code 2, nothing on standard output, and one line
#                                   on standard error that names the option
separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${EMULATOR} ${TOOL} ${args}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# A Windows program writes its text lines with CR LF.
string(REPLACE "\r\n" "\n" out "${out}")
string(REPLACE "\r\n" "\n" err "${err}")

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
if(DEFINED DIGEST)
    string(SHA256 actual "${out}")
    if(NOT actual STREQUAL DIGEST)
        message(FATAL_ERROR "trace digest ${actual}, expected ${DIGEST} for: ${ARGS}")
    endif()
    return()
endif()

file(READ ${GOLDEN} expected)
if(NOT out STREQUAL expected)
    file(WRITE ${ACTUAL} "${out}")
    message(FATAL_ERROR "trace differs from ${GOLDEN}; actual output in ${ACTUAL}\n"
        "compare with: diff ${GOLDEN} ${ACTUAL}")
endif()
