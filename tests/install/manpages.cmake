# Formats every man page in DIR and fails on any groff warning (unknown macro, bad escape).
# Called with -DGROFF=<path> -DDIR=<folder of *.1 pages>.
file(GLOB pages ${DIR}/*.1)
if(NOT pages)
    message(FATAL_ERROR "no man page in ${DIR}")
endif()
foreach(page IN LISTS pages)
    execute_process(COMMAND ${GROFF} -man -ww -z ${page} RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "${page}: groff exit ${status}\n${err}")
    endif()
endforeach()
