# Makes the three Windows packages from one program folder, and beside them a
# bill of materials and SHA256SUMS:
#   cmake -DSETTINGS=FILE -DSTAGE=DIR -DOUTPUT_DIR=DIR [-DMSI_VERSION=X.Y.Z]
#         [-DSHIPPED_FILES=TABLE] -P MakePackages.cmake
# STAGE is the installed program folder. From the list of its files come the
# zip, the per-user installer with an uninstaller that removes exactly those
# files, and the per-machine MSI, so the three cannot differ. Every file needs
# a row in the table of shipped files. With a signing switch set (see
# sign-file.sh), every program file and DLL is signed before it is packed, and
# so are the installer, the uninstaller it writes and the MSI.
# Unsigned, the same source gives the same bytes: times come from
# SOURCE_DATE_EPOCH (by default the time of the source's last commit).

include(${SETTINGS})
if(NOT MSI_VERSION)
    set(MSI_VERSION ${THORNAX_MSI_VERSION})
endif()
if(SHIPPED_FILES)
    set(THORNAX_SHIPPED_FILES ${SHIPPED_FILES})
endif()
set(lists ${OUTPUT_DIR}/package-lists)
file(REMOVE_RECURSE ${lists})
file(MAKE_DIRECTORY ${lists})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
    if(failed)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "Failed: ${command}")
    endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/SourceDate.cmake)
thornax_source_date_epoch(epoch ${THORNAX_SOURCE_DIR} ${THORNAX_RELEASE_DATE})

# Stripped here, all at once: strip writes the time stamp in the header of
# each program file and DLL, from SOURCE_DATE_EPOCH (set above) or the clock.
file(GLOB_RECURSE dlls ${STAGE}/*.dll)
file(GLOB_RECURSE programs ${STAGE}/*.exe)
run(${THORNAX_STRIP} --strip-unneeded ${dlls})
run(${THORNAX_STRIP} ${programs})
set(program_files ${programs} ${dlls})

set(signing OFF)
if(DEFINED ENV{THORNAX_SIGN_COMMAND} OR DEFINED ENV{THORNAX_SIGN_PKCS12})
    set(signing ON)
endif()
function(sign file)
    if(signing)
        run(${THORNAX_SIGN_SCRIPT} ${file} ${THORNAX_PRODUCT_NAME})
    endif()
endfunction()
foreach(file IN LISTS program_files)
    sign(${file})
endforeach()

# The one list: every file of the program folder, folders first; each has
# a row in the table of shipped files.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(folders)
foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    while(folder)
        list(APPEND folders ${folder})
        get_filename_component(folder ${folder} DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(JOIN files "\n" file_list)
file(WRITE ${lists}/files.txt "${file_list}\n")
run(perl ${CMAKE_CURRENT_LIST_DIR}/shipped-files-check.pl ${THORNAX_SHIPPED_FILES} ${lists}/files.txt)

# Every file and folder with the same time, whenever and wherever it was built.
run(find ${STAGE} -exec touch -h -d @${epoch} {} +)

set(zip ${OUTPUT_DIR}/${THORNAX_PACKAGE_NAME}-win64.zip)
set(installer ${OUTPUT_DIR}/${THORNAX_PACKAGE_NAME}-setup.exe)
set(msi ${OUTPUT_DIR}/${THORNAX_PACKAGE_NAME}-win64.msi)
set(bill ${OUTPUT_DIR}/${THORNAX_PACKAGE_NAME}-win64.spdx.json)
include(${CMAKE_CURRENT_LIST_DIR}/PackageZip.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/PackageInstaller.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/PackageMsi.cmake)

run(perl ${CMAKE_CURRENT_LIST_DIR}/spdx-document.pl ${THORNAX_SHIPPED_FILES} ${STAGE}
    ${THORNAX_PACKAGE_NAME}-win64 ${epoch} ${THORNAX_SPDX_NAMESPACE} ${THORNAX_COMPANY_NAME} ${bill})
set(sums "")
foreach(package IN ITEMS ${zip} ${installer} ${msi} ${bill})
    file(SHA256 ${package} sum)
    get_filename_component(name ${package} NAME)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT_DIR}/SHA256SUMS "${sums}")
