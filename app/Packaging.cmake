# The Debian package, made from the install rules by "cpack -G DEB" in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvi)
set(CPACK_PACKAGE_VENDOR "The Torvi project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Boltzmann distribution of conformers for the chemistry classroom")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Torvi illustrates the Boltzmann distribution of up to ten conformers,
according to their ground state energies, as a function of temperature: as a
table on screen and on paper and as a stacked bar chart.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Torvi project <maintainers@torvi.invalid>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://torvi.invalid/")
# The shared libraries it links give most of the dependencies; the fonts the windows and the
# printed table are measured in, and Qt's platform plugins, are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-extra, fonts-liberation")
include(CPack)
