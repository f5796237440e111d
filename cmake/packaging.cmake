# `cpack` makes a Debian package of what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "Vantor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "JRA horse race cards and analysis from JV-Data")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vantor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantor developers <vantor@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs go in stripped: their debug information goes into a package
# of its own, vantor-dbgsym (a .ddeb), for whoever needs to read a crash.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# The libraries the programs link, as dpkg-shlibdeps finds them; the fonts
# the windows substitute for the Windows ones.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, xdg-utils")
include(CPack)
