# The four numbers a Windows version resource wants (FILEVERSION, VIProductVersion), from
# project()'s version; parts that project() leaves out are 0.
function(sinuet_version_numbers out)
    set(numbers)
    foreach(part MAJOR MINOR PATCH TWEAK)
        if("${PROJECT_VERSION_${part}}" STREQUAL "")
            list(APPEND numbers 0)
        else()
            list(APPEND numbers ${PROJECT_VERSION_${part}})
        endif()
    endforeach()
    set(${out} ${numbers} PARENT_SCOPE)
endfunction()
