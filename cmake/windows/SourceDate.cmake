# The time the packages carry, so that one source gives the same bytes
# whenever it is built: SOURCE_DATE_EPOCH when set, else the time of the
# source's last commit, else the release date. It is set in the environment
# for the tools run afterwards (strip and rcc read it).
function(thornax_source_date_epoch out source_dir release_date)
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    if(NOT epoch)
        execute_process(COMMAND git -C ${source_dir} log -1 --format=%ct
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT epoch)
        execute_process(COMMAND date -u -d "${release_date}" +%s
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()
