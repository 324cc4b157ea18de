# Installation and the Debian package (CPack): the program, the schema
# script, the demo data, the help pages, the desktop entry and its icon.
#
#   scripts/package.sh      builds build/vexlof_<version>_<arch>.deb
#
# The installed program finds its shipped files in ../share/vexlof beside
# its bin folder (see src/data/ProgramFajlok.h).
include(GNUInstallDirs)
# Installing builds only what the install rules name (scripts/package.sh
# builds those targets), not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(VEXLOF_ADAT_DIR ${CMAKE_INSTALL_DATADIR}/vexlof)

install(TARGETS vexlof vexlof-konfig RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VEXLOF_SCHEMA_FILE} ${VEXLOF_DEMO_FILE} DESTINATION ${VEXLOF_ADAT_DIR})
# Help pages and documents, opened from the help menu; the folders may be
# empty or missing while the pages are being written.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Help/ DESTINATION ${VEXLOF_ADAT_DIR}/Help OPTIONAL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Docs/ DESTINATION ${VEXLOF_ADAT_DIR}/Docs OPTIONAL)
install(FILES ${PROJECT_SOURCE_DIR}/dist/vexlof.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/vexlof.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/dist/vexlof.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/dist/vexlof-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME vexlof.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexlof)
set(CPACK_PACKAGE_VENDOR "Vexlo Szoftver")
set(CPACK_PACKAGE_CONTACT "Vexlo Szoftver <info@vexlo-szoftver.hu>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Point of sale and back office for hairdressing and cosmetics salons")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vexlo.F runs the front desk and the back office of a hairdressing and cosmetics salon:\n"
    "service points with open bills, the price list with recipes that post stock, receipt\n"
    "printers, the cash desk, customers, reservations, stock documents, reports, users,\n"
    "backup and restore. The user interface is Hungarian. On a computer without a database\n"
    "server the program creates a private local database of its own on the first start.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vexlo-szoftver.hu")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the Qt database
# driver and platform plugins, and the MariaDB server and client programs of
# the local database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-mysql, qt6-qpa-plugins, mariadb-server-core, mariadb-client")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "galera-4, rsync")
set(CPACK_STRIP_FILES ON)
include(CPack)
