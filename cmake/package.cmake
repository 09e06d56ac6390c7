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
charges, the fields and graphs. In Russian.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "ovrelan_${PROJECT_VERSION}_amd64")
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
include(CPack)
