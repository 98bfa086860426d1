# The Windows program folder, as Qt's deployment tool lays it out: the program,
# Qt's DLLs beside it (the LGPL lets users replace them), the plugins in their
# folders, Qt's translations of its own buttons, and the compiler's runtime.
# Made into a zip and an installer by the windows_packages target.

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
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The packages: a folder that runs from anywhere, zipped, and a per-user installer.
set(package_name ${THORNAX_PROGRAM_FILE}-${PROJECT_VERSION})
set(stage ${PROJECT_BINARY_DIR}/stage/${package_name}-win64)
set(THORNAX_ZIP ${PROJECT_BINARY_DIR}/${package_name}-win64.zip)
set(THORNAX_INSTALLER ${PROJECT_BINARY_DIR}/${package_name}-setup.exe)
set(THORNAX_STAGE_DIR ${stage})
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)

find_program(MAKENSIS_EXECUTABLE makensis)
add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
    # The DLLs that come from elsewhere carry their debugging symbols.
    COMMAND sh -c "'${CMAKE_STRIP}' --strip-unneeded \"$0\"/*.dll \"$0\"/*/*.dll" ${stage}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${THORNAX_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage}/.. ${CMAKE_COMMAND} -E tar cf ${THORNAX_ZIP} --format=zip ${package_name}-win64
    COMMAND ${MAKENSIS_EXECUTABLE} -V2 -NOCD ${PROJECT_BINARY_DIR}/installer.nsi
    DEPENDS ${THORNAX_PROGRAM_FILE}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Making ${package_name}-win64.zip and ${package_name}-setup.exe"
    VERBATIM)
