# What `cmake --install` puts under the prefix, and the Debian package CPack builds from it
# (`cpack -G DEB` in the build folder, or scripts/package).
include(GNUInstallDirs)

# The desktop's name for the program: the menu entry, the icon and the AppStream file carry it.
set(TARVOLIN_APP_ID org.tarvolin.Tarvolin)
set(TARVOLIN_LINUX_DIR ${CMAKE_CURRENT_LIST_DIR}/../resources/linux)

install(TARGETS tarvolin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Qt's own dialogs in the user's language come from Debian's qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
install(FILES ${TARVOLIN_LINUX_DIR}/${TARVOLIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARVOLIN_LINUX_DIR}/${TARVOLIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../resources/icons/tarvolin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TARVOLIN_APP_ID}.svg)
# QtPlatform::helpCandidates looks here, beside the program's bin/ folder.
file(GLOB TARVOLIN_HELP_PAGES ${CMAKE_CURRENT_LIST_DIR}/../docs/help/index*.html)
install(FILES ${TARVOLIN_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvolin/help)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolin)
set(CPACK_PACKAGE_VENDOR Tarvolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "financial calculator for loans and investments")
set(CPACK_PACKAGE_CONTACT "Tarvolin developers <maintainers@users.noreply.c-seed-80e9e429.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_PACKAGE_DESCRIPTION "Tarvolin works out loan payments, interest rates, durations and payoffs,\n\
the effect of extra payments, investment growth and annuities exactly to the\n\
cent, and shows tables of monthly payments with the amortization schedule of\n\
any cell.")
# The Qt libraries the program links come from dpkg-shlibdeps. It cannot see what Qt loads at run time:
# the SVG icon engine (libqt6svg6) that draws the icons, and the Arial-metric font the layouts are
# measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2 | fonts-liberation")
include(CPack)
