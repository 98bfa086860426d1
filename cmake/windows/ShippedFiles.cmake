# One table of every file the Windows packages ship, written at configure
# time to shipped-files.tsv: the file's path in the program folder, the
# component it comes from (this program, Qt, a Debian package), that
# component's version, its licence (an SPDX expression), where its source is,
# and the files in licenses\ that hold the licence ("|" between them). The
# notices, the bill of materials and the package checks all read it, and the
# packaging stops when a file of the program folder has no row.

# thornax_component(ID NAME name VERSION version LICENSE spdx SOURCE where
#                   LICENCE_FILES file...)
function(thornax_component id)
    cmake_parse_arguments(ARG "" "NAME;VERSION;LICENSE;SOURCE" "LICENCE_FILES" ${ARGN})
    list(JOIN ARG_LICENCE_FILES "|" licence_files)
    set_property(GLOBAL PROPERTY thornax_component_${id}
        "${ARG_NAME}\t${ARG_VERSION}\t${ARG_LICENSE}\t${ARG_SOURCE}\t${licence_files}")
endfunction()

# A component made from a Debian package: the one that holds FILE, with its
# source package and version; its licence text is Debian's copyright file of
# that package, shipped as licenses/<package>-copyright.txt.
function(thornax_debian_component id file)
    cmake_parse_arguments(ARG "" "LICENSE" "LICENCE_FILES" ${ARGN})
    execute_process(COMMAND dpkg-query -S ${file}
        OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed OR NOT owner MATCHES "^([^:,]+)[:,]")
        message(FATAL_ERROR "No Debian package provides ${file}: its licence and source are unknown.")
    endif()
    set(package ${CMAKE_MATCH_1})
    execute_process(COMMAND dpkg-query -W "-f=\${source:Package}\t\${source:Version}" ${package}
        OUTPUT_VARIABLE source_package RESULT_VARIABLE failed)
    string(REPLACE "\t" ";" source_package "${source_package}")
    list(GET source_package 0 name)
    list(GET source_package 1 version)
    thornax_component(${id} NAME ${name} VERSION ${version} LICENSE "${ARG_LICENSE}"
        SOURCE "Debian's source package ${name} ${version} (apt-get source ${name}=${version})"
        LICENCE_FILES licenses/${package}-copyright.txt ${ARG_LICENCE_FILES})
endfunction()

# Rows for files that are installed elsewhere: PATHS as in the program folder.
function(thornax_ship_paths id)
    foreach(path IN LISTS ARGN)
        set_property(GLOBAL APPEND PROPERTY thornax_shipped_rows "${path}\t${id}")
    endforeach()
endfunction()

# Installs FILES into DESTINATION of the program folder, with their rows.
function(thornax_ship id)
    cmake_parse_arguments(ARG "" "DESTINATION" "FILES" ${ARGN})
    install(FILES ${ARG_FILES} DESTINATION ${ARG_DESTINATION})
    foreach(file IN LISTS ARG_FILES)
        get_filename_component(name "${file}" NAME)
        if(ARG_DESTINATION STREQUAL ".")
            thornax_ship_paths(${id} "${name}")
        else()
            thornax_ship_paths(${id} "${ARG_DESTINATION}/${name}")
        endif()
    endforeach()
endfunction()

# Writes the table. A licence file ships with the first component that names
# it (GPL-3.0.txt, which several name, with the first of them).
function(thornax_write_shipped_files output)
    get_property(rows GLOBAL PROPERTY thornax_shipped_rows)
    set(paths ${rows})
    list(TRANSFORM paths REPLACE "\t.*$" "")
    set(components ${rows})
    list(TRANSFORM components REPLACE "^[^\t]*\t" "")
    list(REMOVE_DUPLICATES components)
    foreach(id IN LISTS components)
        get_property(component GLOBAL PROPERTY thornax_component_${id})
        if(NOT component)
            message(FATAL_ERROR "Files come from the unknown component ${id}.")
        endif()
        string(REGEX REPLACE "^.*\t" "" licence_files "${component}")
        string(REPLACE "|" ";" licence_files "${licence_files}")
        foreach(licence_file IN LISTS licence_files)
            if(NOT licence_file IN_LIST paths)
                list(APPEND paths "${licence_file}")
                list(APPEND rows "${licence_file}\t${id}")
            endif()
        endforeach()
    endforeach()
    list(SORT rows)
    set(text "path\tcomponent\tversion\tlicense\tsource\tlicence_files\n")
    foreach(row IN LISTS rows)
        string(REGEX MATCH "^([^\t]*)\t(.*)$" _ "${row}")
        get_property(component GLOBAL PROPERTY thornax_component_${CMAKE_MATCH_2})
        string(APPEND text "${CMAKE_MATCH_1}\t${component}\n")
    endforeach()
    file(WRITE ${output} "${text}")
endfunction()
