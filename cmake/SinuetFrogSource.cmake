# sinuet_frog_source(VAR): resources/frog.bmp compiled into a program. Sets VAR to a source
# file generated in the calling folder's build folder that defines FROG_BMP and
# FROG_BMP_SIZE (declared in linux/frog_bmp_data.h).
function(sinuet_frog_source var)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/frog_bmp_data.cpp)
    set(embed ${PROJECT_SOURCE_DIR}/linux/embed_bytes.cmake)
    add_custom_command(
        OUTPUT ${source}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/resources/frog.bmp
                -DOUTPUT=${source} -DNAME=FROG_BMP -DHEADER=frog_bmp_data.h -P ${embed}
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/frog.bmp ${embed}
        COMMENT "Embedding frog.bmp"
    )
    set(${var} ${source} PARENT_SCOPE)
endfunction()
