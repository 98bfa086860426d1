# The Windows program folder, as Qt's deployment tool lays it out: the program,
# Qt's DLLs beside it (the LGPL lets users replace them), the plugins in their
# folders, Qt's translations of its own buttons, and the compiler's runtime.
# Made into a zip, an installer and an MSI by the windows_packages target.

set(qt_dlls Qt6::Core Qt6::Gui Qt6::Widgets)
foreach(dll IN LISTS qt_dlls)
    install(FILES $<TARGET_FILE:${dll}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES ${THORNAX_MINGW_RUNTIME_DLLS} DESTINATION .)
# Qt looks for its plugins and translations beside the program.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)

# Qt's own texts (OK, Cancel, ...) in each language the program speaks, from
# Debian's Qt translations (scripts/windows puts them into Qt's folder).
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix ${qt_core_dll}/../.. ABSOLUTE)
foreach(language IN LISTS THORNAX_LANGUAGES)
    set(qm ${qt_prefix}/translations/qtbase_${language}.qm)
    if(NOT EXISTS ${qm})
        message(FATAL_ERROR "${qm} is missing: copy it from Debian's qt6-translations-l10n.")
    endif()
    install(FILES ${qm} DESTINATION translations)
endforeach()

# The licences and notices of everything above, in licenses\.
include(${CMAKE_CURRENT_LIST_DIR}/Notices.cmake)
set(qt_files)
foreach(target IN LISTS qt_dlls ITEMS Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin)
    get_target_property(file ${target} IMPORTED_LOCATION_RELEASE)
    get_filename_component(name ${file} NAME)
    list(APPEND qt_files ${name})
endforeach()
thornax_write_notices(${PROJECT_BINARY_DIR}/licenses ${qt_prefix} ${qt_files})
install(DIRECTORY ${PROJECT_BINARY_DIR}/licenses/ DESTINATION licenses)

# The packages, all three from the one program folder (MakePackages.cmake):
# the folder zipped, a per-user installer and a per-machine MSI.
set(THORNAX_PACKAGE_NAME ${THORNAX_PROGRAM_FILE}-${PROJECT_VERSION})
set(stage ${PROJECT_BINARY_DIR}/stage/${THORNAX_PACKAGE_NAME}-win64)
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
find_program(MAKENSIS_EXECUTABLE makensis REQUIRED)
find_program(WIXL_EXECUTABLE wixl REQUIRED)
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
set(THORNAX_INSTALLER_SCRIPT "@PROJECT_BINARY_DIR@/installer.nsi")
set(THORNAX_MSI_TEMPLATE "@CMAKE_CURRENT_LIST_DIR@/package.wxs.in")
set(THORNAX_SIGN_SCRIPT "@CMAKE_CURRENT_LIST_DIR@/sign-file.sh")
]] @ONLY)
add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${CMAKE_COMMAND} -DSETTINGS=${package_settings} -DSTAGE=${stage}
        -DOUTPUT_DIR=${PROJECT_BINARY_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/MakePackages.cmake
    DEPENDS ${THORNAX_PROGRAM_FILE}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Making the zip, the installer and the MSI of ${THORNAX_PACKAGE_NAME}"
    VERBATIM)
