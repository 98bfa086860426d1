# The Windows program folder, as Qt's deployment tool lays it out: the program,
# Qt's DLLs beside it (the LGPL lets users replace them), the plugins in their
# folders, Qt's translations of its own buttons, and the compiler's runtime.
# Made into a zip, an installer and an MSI by the windows_packages target.

include(${CMAKE_CURRENT_LIST_DIR}/ShippedFiles.cmake)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix ${qt_core_dll}/../.. ABSOLUTE)

# Where each shipped file comes from (ShippedFiles.cmake).
execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse HEAD
    OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(commit)
    set(program_source "this program's source, commit ${commit}")
else()
    set(program_source "this program's source")
endif()
thornax_component(program NAME ${THORNAX_PROGRAM_FILE} VERSION ${PROJECT_VERSION} LICENSE MIT
    SOURCE "${program_source}" LICENCE_FILES "licenses/${THORNAX_PRODUCT_NAME}.txt")
file(STRINGS ${qt_prefix}/notices/source.txt qt_version REGEX "^version ")
string(REPLACE "version " "" qt_version "${qt_version}")
thornax_component(qt NAME qt6-base VERSION ${qt_version} LICENSE LGPL-3.0-only
    SOURCE "Debian's source package qt6-base ${qt_version} (apt-get source qt6-base=${qt_version}), with the patches named in licenses/Sources.txt"
    LICENCE_FILES licenses/LGPL-3.0.txt licenses/GPL-3.0.txt licenses/Qt-third-party.txt)
set(debian_translations /usr/share/qt6/translations)
thornax_debian_component(qt_translations ${debian_translations}/qtbase_de.qm
    LICENSE "GPL-3.0-only WITH Qt-GPL-exception-1.0" LICENCE_FILES licenses/GPL-3.0.txt)
set(gcc_runtimes ${THORNAX_MINGW_RUNTIME_DLLS})
list(FILTER gcc_runtimes EXCLUDE REGEX "winpthread")
set(winpthread ${THORNAX_MINGW_RUNTIME_DLLS})
list(FILTER winpthread INCLUDE REGEX "winpthread")
list(GET gcc_runtimes 0 gcc_runtime)
thornax_debian_component(gcc_runtime ${gcc_runtime}
    LICENSE "GPL-3.0-or-later WITH GCC-exception-3.1" LICENCE_FILES licenses/GPL-3.0.txt)
thornax_debian_component(winpthread ${winpthread} LICENSE "MIT AND BSD-3-Clause")

thornax_ship_paths(program ${THORNAX_PROGRAM_FILE}.exe)
# Qt's DLLs beside the program, its plugins in folders of their own.
set(qt_files)
foreach(target_and_folder IN ITEMS Qt6::Core=. Qt6::Gui=. Qt6::Widgets=.
        Qt6::QWindowsIntegrationPlugin=platforms Qt6::QWindowsVistaStylePlugin=styles)
    string(REPLACE "=" ";" target_and_folder ${target_and_folder})
    list(GET target_and_folder 0 target)
    list(GET target_and_folder 1 folder)
    get_target_property(file ${target} IMPORTED_LOCATION_RELEASE)
    thornax_ship(qt DESTINATION ${folder} FILES ${file})
    get_filename_component(name ${file} NAME)
    list(APPEND qt_files ${name})
endforeach()
thornax_ship(gcc_runtime DESTINATION . FILES ${gcc_runtimes})
thornax_ship(winpthread DESTINATION . FILES ${winpthread})
# Qt looks for its plugins and translations beside the program.
thornax_ship(program DESTINATION . FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf)

# Qt's own texts (OK, Cancel, ...) in each language the program speaks, from
# Debian's Qt translations.
foreach(language IN LISTS THORNAX_LANGUAGES)
    set(qm ${debian_translations}/qtbase_${language}.qm)
    if(NOT EXISTS ${qm})
        message(FATAL_ERROR "${qm} is missing: install Debian's qt6-translations-l10n.")
    endif()
    thornax_ship(qt_translations DESTINATION translations FILES ${qm})
endforeach()

# The licences and notices of everything above, in licenses\, written from
# the table.
include(${CMAKE_CURRENT_LIST_DIR}/Notices.cmake)
thornax_ship_paths(program licenses/Sources.txt)
set(THORNAX_SHIPPED_FILES ${PROJECT_BINARY_DIR}/shipped-files.tsv)
thornax_write_shipped_files(${THORNAX_SHIPPED_FILES})
thornax_write_notices(${PROJECT_BINARY_DIR}/licenses ${THORNAX_SHIPPED_FILES} ${qt_prefix} ${qt_files})
install(DIRECTORY ${PROJECT_BINARY_DIR}/licenses/ DESTINATION licenses)

# The packages, all three from the one program folder (MakePackages.cmake):
# the folder zipped, a per-user installer and a per-machine MSI.
set(stage ${PROJECT_BINARY_DIR}/stage/${THORNAX_PACKAGE_NAME}-win64)
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
find_program(MAKENSIS_EXECUTABLE makensis REQUIRED)
find_program(WIXL_EXECUTABLE wixl REQUIRED)
find_program(ZIP_EXECUTABLE zip REQUIRED)
set(package_settings ${PROJECT_BINARY_DIR}/package-settings.cmake)
file(CONFIGURE OUTPUT ${package_settings} CONTENT [[
set(THORNAX_PRODUCT_NAME "@THORNAX_PRODUCT_NAME@")
set(THORNAX_COMPANY_NAME "@THORNAX_COMPANY_NAME@")
set(PROJECT_VERSION "@PROJECT_VERSION@")
set(THORNAX_MSI_VERSION "@PROJECT_VERSION_MAJOR@.@THORNAX_VERSION_MINOR@.@THORNAX_VERSION_PATCH@")
set(THORNAX_PROGRAM_FILE "@THORNAX_PROGRAM_FILE@")
set(THORNAX_PACKAGE_NAME "@THORNAX_PACKAGE_NAME@")
set(THORNAX_ICON_FILE "@THORNAX_ICON_FILE@")
set(THORNAX_STRIP "@CMAKE_STRIP@")
set(THORNAX_MAKENSIS "@MAKENSIS_EXECUTABLE@")
set(THORNAX_WIXL "@WIXL_EXECUTABLE@")
set(THORNAX_ZIP "@ZIP_EXECUTABLE@")
set(THORNAX_INSTALLER_SCRIPT "@PROJECT_BINARY_DIR@/installer.nsi")
set(THORNAX_MSI_TEMPLATE "@CMAKE_CURRENT_LIST_DIR@/package.wxs.in")
set(THORNAX_SIGN_SCRIPT "@CMAKE_CURRENT_LIST_DIR@/sign-file.sh")
set(THORNAX_SHIPPED_FILES "@THORNAX_SHIPPED_FILES@")
set(THORNAX_SOURCE_DIR "@PROJECT_SOURCE_DIR@")
set(THORNAX_RELEASE_DATE "@THORNAX_RELEASE_DATE@")
set(THORNAX_SPDX_NAMESPACE "https://thornaxstudios.com/spdx")
set(THORNAX_MSI_UPGRADE_CODE "7f3b2d41-9c5e-4a8b-b1d2-5e6f70819a2b")
]] @ONLY)
add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage}
    COMMAND ${CMAKE_COMMAND} -DSETTINGS=${package_settings} -DSTAGE=${stage}
        -DOUTPUT_DIR=${PROJECT_BINARY_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/MakePackages.cmake
    DEPENDS ${THORNAX_PROGRAM_FILE}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Making the zip, the installer and the MSI of ${THORNAX_PACKAGE_NAME}"
    VERBATIM)
