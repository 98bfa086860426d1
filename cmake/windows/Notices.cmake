# The licences of everything the Windows packages hold, made into the folder
# licenses\ of the program folder from the table of shipped files
# (ShippedFiles.cmake): the licence files its rows name, the notices of the
# third-party code inside Qt's files (from Qt's attribution files, for what was
# really built into them), and Sources.txt, where each component's source is.
#   thornax_write_notices(OUTPUT_DIR TABLE QT_PREFIX QT_FILES...)
# QT_FILES are the file names of the Qt DLLs and plugins that ship.

function(thornax_write_notices dir table qt_prefix)
    set(qt_files ${ARGN})
    set(notices ${qt_prefix}/notices)
    if(NOT EXISTS ${notices}/source.txt)
        message(FATAL_ERROR "${qt_prefix} holds no record of its source: remove it and run "
            "scripts/windows again to rebuild Qt for Windows.")
    endif()
    file(REMOVE_RECURSE ${dir})
    file(MAKE_DIRECTORY ${dir})

    configure_file(${PROJECT_SOURCE_DIR}/LICENSE "${dir}/${THORNAX_PRODUCT_NAME}.txt" COPYONLY)
    configure_file(/usr/share/common-licenses/LGPL-3 ${dir}/LGPL-3.0.txt COPYONLY)
    configure_file(/usr/share/common-licenses/GPL-3 ${dir}/GPL-3.0.txt COPYONLY)

    find_program(PERL_EXECUTABLE perl REQUIRED)
    execute_process(
        COMMAND ${PERL_EXECUTABLE} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/qt-notices.pl
            ${notices} ${dir}/Qt-third-party.txt ${qt_files}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "The notices of Qt's third-party code could not be made.")
    endif()

    # Every component once, with its files; a Debian package's copyright file
    # is its licence text.
    file(STRINGS ${table} rows)
    list(POP_FRONT rows)
    set(components)
    set(licence_files)
    foreach(row IN LISTS rows)
        string(REPLACE "\t" ";" fields "${row}")
        list(GET fields 0 path)
        list(GET fields 1 name)
        list(SUBLIST fields 1 4 component)
        string(MD5 key "${component}")
        if(NOT key IN_LIST components)
            list(APPEND components ${key})
            set(component_${key} "${component}")
        endif()
        list(APPEND files_${key} "${path}")
        list(GET fields 5 named)
        string(REPLACE "|" ";" named "${named}")
        list(APPEND licence_files ${named})
    endforeach()
    list(REMOVE_DUPLICATES licence_files)
    foreach(licence_file IN LISTS licence_files)
        if(licence_file MATCHES "^licenses/(.+)-copyright\\.txt$")
            configure_file(/usr/share/doc/${CMAKE_MATCH_1}/copyright ${dir}/${CMAKE_MATCH_1}-copyright.txt COPYONLY)
        endif()
    endforeach()

    set(text "Where the source of each file of this program comes from, and its licence.\n")
    foreach(key IN LISTS components)
        list(GET component_${key} 0 name)
        list(GET component_${key} 1 version)
        list(GET component_${key} 2 licence)
        list(GET component_${key} 3 source)
        list(JOIN files_${key} "\n    " files)
        string(APPEND text "\n${name} ${version}\nLicence: ${licence}\nSource: ${source}\nFiles:\n    ${files}\n")
    endforeach()
    string(APPEND text "\n")
    thornax_qt_build_text(qt_text ${notices}/source.txt)
    file(WRITE ${dir}/Sources.txt "${text}${qt_text}")

    foreach(licence_file IN LISTS licence_files)
        string(REGEX REPLACE "^licenses/" "" name "${licence_file}")
        if(NOT EXISTS "${dir}/${name}")
            message(FATAL_ERROR "The table names ${licence_file}, which no step writes.")
        endif()
    endforeach()
endfunction()

# How Qt was built from Debian's source: the patches applied and kept out,
# and the options, from the record kept beside Qt (scripts/windows-qt.sh).
function(thornax_qt_build_text out record_file)
    file(STRINGS ${record_file} record)
    set(patches)
    set(kept_out)
    set(options)
    foreach(line IN LISTS record)
        if(line MATCHES "^patch (.*)")
            string(APPEND patches "    debian/patches/${CMAKE_MATCH_1}\n")
        elseif(line MATCHES "^kept-out ([^ ]*) (.*)")
            string(APPEND kept_out "    debian/patches/${CMAKE_MATCH_1}: ${CMAKE_MATCH_2}\n")
        elseif(line MATCHES "^option (.*)")
            string(APPEND options "    ${CMAKE_MATCH_1}\n")
        endif()
    endforeach()
    if(NOT kept_out)
        set(kept_out "    (none)\n")
    endif()
    set(${out} "Qt's files were built from Debian's source package qt6-base: Qt's own
source with Debian's patch series applied whole, in this order:
${patches}
except these, which are about building Debian's own packages:
${kept_out}
It was cross-built for Windows with Debian's MinGW-w64 compilers, with these
CMake options:
${options}
The LGPL lets you replace these files with Qt files of your own build.
" PARENT_SCOPE)
endfunction()
