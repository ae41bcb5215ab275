# The Debian package, built by cpack (dev/package): the programs with their desktop files, with the
# library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvesc)
set(CPACK_PACKAGE_VENDOR "OrvESC developers")
set(CPACK_PACKAGE_CONTACT "OrvESC maintainers <maintainers@orvantis.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program the settings of brushless-motor speed controllers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_OUTPUT_FILE_PREFIX .)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The window needs a platform plugin, which the Qt libraries only recommend.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (the standard buttons' OK, Cancel...) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# cpack puts the summary above this as the package's synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"OrvESC reads and programs the settings of Orvantis brushless-motor speed
controllers (ESCs) through the USB-to-serial PC interface cable: it finds the
port where an ESC answers, identifies the model, shows one list per setting
with the choices that model supports, and writes the settings back.
.
The package holds the OrvESC window, the command line and an ESC simulator
for trying it without hardware, and a udev rule that lets the person at the
desktop open the common USB-to-serial adapters without joining the dialout
group and keeps ModemManager away from them.")

include(CPack)
