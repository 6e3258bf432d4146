# The Debian package, made by "cpack -G DEB" (scripts/package): both programs and everything
# "cmake --install" puts under /usr. The libraries it needs come from dpkg-shlibdeps; what Qt
# loads at run time, and dpkg-shlibdeps cannot see, is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fretwise)
set(CPACK_PACKAGE_VENDOR "The Fretwise developers")
set(CPACK_PACKAGE_CONTACT "The Fretwise developers <fretwise@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/fretwise/fretwise)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound player's GStreamer back end plays through these plugins.
# aubio is loaded when the tuner first listens, so dpkg-shlibdeps does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libaubio5, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# "Online Help..." opens the help page through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The summary and description of data/description.txt (cmake/Description.cmake).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${FRETWISE_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${FRETWISE_DESCRIPTION}")
include(CPack)
