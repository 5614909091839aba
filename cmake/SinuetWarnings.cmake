# Warnings for Sinuet's own targets, in every build.
function(sinuet_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(SINUET_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
