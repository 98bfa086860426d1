# The Debian package, built by CPack from the install rules. scripts/package
# configures a build for /usr with the distribution's compiler flags and runs it.

# The files Debian wants beside every package: a machine-readable copyright
# file and the package's changelog, compressed.
set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${THORNAX_PROGRAM_FILE})
set(package_files_dir ${PROJECT_BINARY_DIR}/debian)
execute_process(COMMAND date -u -R -d "${THORNAX_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE THORNAX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${package_files_dir}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${package_files_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${package_files_dir}/changelog.gz
    COMMAND ${GZIP_EXECUTABLE} -9n -c ${package_files_dir}/changelog > ${package_files_dir}/changelog.gz
    DEPENDS ${package_files_dir}/changelog
    VERBATIM)
add_custom_target(thornax_package_changelog ALL DEPENDS ${package_files_dir}/changelog.gz)
install(FILES ${package_files_dir}/copyright ${package_files_dir}/changelog.gz
    DESTINATION ${package_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${THORNAX_PROGRAM_FILE})
set(CPACK_PACKAGE_VENDOR ${THORNAX_COMPANY_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${THORNAX_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tongue-in-cheek trainer for the windowed desktop")
set(CPACK_PACKAGE_DESCRIPTION
"Inside one frame window the trainer drills three skills against the clock:
hitting a Next button that keeps changing places, holding four drifting
scroll bars on a magic number, and retyping a sentence while junk is
appended to it. Every drill adds to a running score, and when all three
are done the trainer hands out a certificate. Nothing is saved.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; what the binaries only load at run
# time is named here: the toolkit's display plugins, the fonts that the
# windows' design fonts are mapped to, and Qt's own translations of its buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
