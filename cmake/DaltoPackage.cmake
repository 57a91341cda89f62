# The Debian package made by `cpack -G DEB` from what `cmake --install` puts
# under the prefix (scripts/package builds it).
set(CPACK_PACKAGE_NAME dalto-panel)
set(CPACK_PACKAGE_VENDOR "Dalto Panel developers")
set(CPACK_PACKAGE_CONTACT "Dalto Panel developers <maintainers@dalto-panel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operate a programmable DC power supply")
set(CPACK_PACKAGE_DESCRIPTION
  "Dalto Panel shows an on-screen replica of a programmable DC power supply's
front panel and engineering panels that send SCPI and IEEE-488 commands, show
and set the status registers, calibrate the supply and load modulation tables.
It talks to the supply over RS-232, RS-485, TCP/IP or GPIB.

The package also holds dalto-sim, a simulator of the supply for trying the
program without hardware, and Dialix, the library of the tavKnob control, with
its headers, CMake package and Qt Designer plugin.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The display plugins (xcb, wayland) are loaded at run time, so dpkg-shlibdeps
# cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "socat")

include(CPack)
