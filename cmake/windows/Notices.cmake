# The licences of everything the Windows packages hold, made into the folder
# licenses\ of the program folder: the program's own, the LGPL that Qt's DLLs
# come under with the GPL it builds on, the notices of the third-party code
# inside those DLLs (from Qt's attribution files, for what was really built
# into them), the compiler's runtime licences, and where Qt's source is.
#   thornax_write_notices(OUTPUT_DIR QT_PREFIX QT_FILES...)
# QT_FILES are the file names of the Qt DLLs and plugins that ship.

function(thornax_write_notices dir qt_prefix)
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

    # Which Debian source and patches built Qt, and how to get them.
    file(STRINGS ${notices}/source.txt record)
    set(patches)
    set(options)
    foreach(line IN LISTS record)
        if(line MATCHES "^version (.*)")
            set(version ${CMAKE_MATCH_1})
        elseif(line MATCHES "^patch (.*)")
            string(APPEND patches "    debian/patches/${CMAKE_MATCH_1}\n")
        elseif(line MATCHES "^option (.*)")
            string(APPEND options "    ${CMAKE_MATCH_1}\n")
        endif()
    endforeach()
    if(NOT patches)
        set(patches "    (none)\n")
    endif()
    list(JOIN qt_files ", " qt_file_list)
    file(WRITE ${dir}/Qt-source.txt
"The Qt files of this program (${qt_file_list}) were built
from Debian's source package qt6-base, version ${version}: Qt's own source
with these of Debian's patches applied, in this order:
${patches}
To get that source and those patches on Debian (with a deb-src entry for its
archive):

    apt-get source qt6-base=${version}

It was cross-built for Windows with Debian's MinGW-w64 compilers, with these
CMake options:
${options}
The LGPL lets you replace these files with Qt files of your own build.
")

    # The compiler's runtime DLLs, with the licences of the Debian packages
    # that provide them (GCC's runtime library exception, winpthreads).
    set(runtime_text "The compiler's runtime DLLs of this program and their licences, as\nDebian's packages that provide them state them.\n")
    set(packages)
    foreach(runtime IN LISTS THORNAX_MINGW_RUNTIME_DLLS)
        execute_process(COMMAND dpkg-query -S ${runtime}
            OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
        if(failed OR NOT owner MATCHES "^([^:]+):")
            message(FATAL_ERROR "No Debian package provides ${runtime}: its licence is unknown.")
        endif()
        get_filename_component(name ${runtime} NAME)
        string(APPEND runtime_text "\n    ${name}: ${CMAKE_MATCH_1}")
        list(APPEND packages ${CMAKE_MATCH_1})
    endforeach()
    list(REMOVE_DUPLICATES packages)
    foreach(package IN LISTS packages)
        file(READ /usr/share/doc/${package}/copyright copyright)
        string(APPEND runtime_text "\n\n${package}\n==============================\n\n${copyright}")
    endforeach()
    file(WRITE ${dir}/MinGW-runtime.txt "${runtime_text}")
endfunction()
