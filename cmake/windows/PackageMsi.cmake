# The MSI (part of MakePackages.cmake): a 64-bit component per file, in
# folders as in the program folder.
# Its codes are derived from what it holds: the same files give the same
# product code, and a rebuild with other files (a new Qt revision) another
# one, which replaces the installed one of the same version. wixl takes the
# summary's times from the clock and makes a random package code: it runs at
# the source's time, and its package code is replaced by a derived one.

function(msi_id out prefix path)
    string(MD5 digest "${path}")
    string(SUBSTRING ${digest} 0 24 digest)
    set(${out} ${prefix}${digest} PARENT_SCOPE)
endfunction()
function(xml_text out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
# Writes the components of FOLDER ("" for the top) and of the folders in it.
# wixl takes files by paths relative to the folder it runs in. Windows
# Installer leaves the folders it made unless told to remove them: the first
# component of each folder does that.
function(msi_folder out folder indent)
    set(text "")
    set(remove_folder "<RemoveFolder Id=\"R_${folder_id}\" On=\"uninstall\"/>")
    foreach(file IN LISTS files)
        get_filename_component(file_folder "${file}" DIRECTORY)
        if(file_folder STREQUAL folder)
            msi_id(component C_ "${file}")
            msi_id(file_id F_ "${file}")
            file(RELATIVE_PATH source ${lists} "${STAGE}/${file}")
            xml_text(source "${source}")
            get_filename_component(name "${file}" NAME)
            xml_text(name "${name}")
            string(APPEND text "${indent}<Component Id=\"${component}\" Guid=\"*\" Win64=\"yes\">"
                "<File Id=\"${file_id}\" Name=\"${name}\" Source=\"${source}\" KeyPath=\"yes\"/>"
                "${remove_folder}</Component>\n")
            set(remove_folder "")
            set_property(GLOBAL APPEND PROPERTY msi_components ${component})
        endif()
    endforeach()
    foreach(sub IN LISTS folders)
        get_filename_component(parent "${sub}" DIRECTORY)
        if(parent STREQUAL folder)
            msi_id(directory D_ "${sub}")
            set(folder_id ${directory})
            get_filename_component(name "${sub}" NAME)
            xml_text(name "${name}")
            msi_folder(inner "${sub}" "${indent}  ")
            string(APPEND text "${indent}<Directory Id=\"${directory}\" Name=\"${name}\">\n"
                "${inner}${indent}</Directory>\n")
        endif()
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
set(folder_id INSTALLDIR)
msi_folder(THORNAX_MSI_FILES "" "          ")
msi_id(THORNAX_MSI_PROGRAM_ID F_ "${THORNAX_PROGRAM_FILE}.exe")
get_property(components GLOBAL PROPERTY msi_components)
set(THORNAX_MSI_COMPONENT_REFS "")
foreach(component IN LISTS components)
    string(APPEND THORNAX_MSI_COMPONENT_REFS "      <ComponentRef Id=\"${component}\"/>\n")
endforeach()
file(RELATIVE_PATH THORNAX_MSI_ICON ${lists} ${THORNAX_ICON_FILE})
configure_file(${THORNAX_MSI_TEMPLATE} ${lists}/package.wxs @ONLY)

# What the MSI holds: its version, and each file's path and digest.
set(content "${MSI_VERSION}")
foreach(file IN LISTS files)
    file(SHA256 "${STAGE}/${file}" digest)
    string(APPEND content "\n${file} ${digest}")
endforeach()
string(UUID product_code NAMESPACE ${THORNAX_MSI_UPGRADE_CODE} NAME "product ${content}"
    TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${THORNAX_MSI_UPGRADE_CODE} NAME "package ${content}"
    TYPE SHA1 UPPER)
# Windows Installer compares three fields; the next patch level bounds the
# versions a same-version package replaces.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" _ "${MSI_VERSION}")
math(EXPR next_patch "${CMAKE_MATCH_3} + 1")
set(next_version "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${next_patch}")

string(TIMESTAMP frozen_clock "%Y-%m-%d %H:%M:%S" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
        faketime -f "${frozen_clock}" ${THORNAX_WIXL} -a x64 -D Version=${MSI_VERSION}
        -D NextVersion=${next_version} -D ProductCode=${product_code} -o ${msi} package.wxs
    WORKING_DIRECTORY ${lists} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The MSI could not be made.")
endif()
run(perl ${CMAKE_CURRENT_LIST_DIR}/msi-package-code.pl ${msi} "{${package_code}}")
sign(${msi})
