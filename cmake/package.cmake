# The Debian package: cpack -G DEB in a Release build. The libraries it needs are found by
# dpkg-shlibdeps; what is loaded at run time without being linked is named here.
set(CPACK_PACKAGE_NAME "ovrelan")
set(CPACK_PACKAGE_VENDOR "Ovrelan")
set(CPACK_PACKAGE_CONTACT "Ovrelan <ovrelan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of transients in a series RLC circuit")
# The extended description as dpkg shows it: lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Ovrelan shows what happens in a series circuit of a coil, a capacitor,
a resistor, a key and a source of constant or alternating EMF: the
characteristics and the regime, the exact solution played back with moving
charges, the fields and graphs. In Russian and English.")
# The version is the project's with a Debian revision, 0.2-1: the package is not native (its
# changelog is changelog.Debian.gz), and the file is named as Debian names it,
# ovrelan_0.2-1_amd64.deb.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs go in without their symbols, as a Debian package has them (install/strip).
set(CPACK_STRIP_FILES ON)
# The window system plugin, Qt's Russian texts and the fonts the pictures are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_GENERATOR "DEB")

# The package's copyright file in Debian's machine-readable format, where Debian keeps it;
# cmake --install puts it there too.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${OVRELAN_DOC_INSTALL_DIR})

# The Debian changelog, cmake/changelog.Debian, installed as changelog.Debian.gz; its latest
# entry is this version.
set(debian_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog.Debian)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${debian_changelog})
file(STRINGS ${debian_changelog} debian_latest LIMIT_COUNT 1)
set(debian_version ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT debian_latest MATCHES "^ovrelan \\(([^)]*)\\) " OR NOT CMAKE_MATCH_1 STREQUAL debian_version)
    message(FATAL_ERROR "${debian_changelog}: the latest entry is not ovrelan (${debian_version})")
endif()
ovrelan_gzip(ovrelan_debian_changelog ${PROJECT_BINARY_DIR}/debian ${debian_changelog})
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
        DESTINATION ${OVRELAN_DOC_INSTALL_DIR})
# The one lintian tag that does not apply to this package, and why, in cmake/lintian-overrides.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ovrelan)
include(CPack)
