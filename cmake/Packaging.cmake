# Desktop integration and the Debian package.
# Build the package with: cmake --build <build-dir> --target package

set(KORINVIEW_APP_ID com.korinware.Korinview)

# The entry's file name is the application id, which the program also gives
# the desktop as its own; its StartupWMClass matches the X11 class "korinview".
install(FILES ${PROJECT_SOURCE_DIR}/resources/${KORINVIEW_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${KORINVIEW_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korinview)
set(CPACK_PACKAGE_VENDOR Korinware)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korinware <${KORINVIEW_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher for the Korinware laser-engraving programs")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KORINVIEW_SITE})
# The summary above is the package's synopsis line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Korinview shows the Korinware family of laser-engraving programs in one
window, opens the download of each edition in the web browser, plays the
video tutorials and links to the maker's site and user community. Its
interface speaks Chinese and English.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to the shared-library scan: the platform
# plugins, the window font (metric-compatible with Arial), a font for the
# Chinese interface, the toolkit's translations (the error box's button in the
# system language) and the tool that hands addresses to the browser.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, xdg-utils")
# The toolkit's Wayland platform lets the launcher run as a native Wayland
# client; without it a Wayland session runs it through XWayland. Only
# suggested: on a stock GNOME session the toolkit draws a title bar of its
# own, plainer than the one XWayland windows get.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
