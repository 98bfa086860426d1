# The zip (part of MakePackages.cmake): the program folder itself, named after
# the package, its entries in a fixed order with the files' fixed times, in
# UTC (zip keeps local times), and without the builder's user and group ids.
get_filename_component(stage_name ${STAGE} NAME)
get_filename_component(stage_parent ${STAGE} DIRECTORY)
set(entries ${files})
list(TRANSFORM entries PREPEND "${stage_name}/")
list(JOIN entries "\n" entries)
file(WRITE ${lists}/zip-entries.txt "${entries}\n")
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${THORNAX_ZIP} -q -X -D ${zip} -@
    INPUT_FILE ${lists}/zip-entries.txt WORKING_DIRECTORY ${stage_parent} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The zip could not be made.")
endif()
