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
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "name, finger and create guitar chords")
set(CPACK_PACKAGE_DESCRIPTION "Click finger positions on a six-string fretboard in standard tuning
and Fretwise names the chord from every root it could have, with its
abbreviation, thirds and fifths and inversion; it fingers the shape, finds
the barre and writes the chord on a treble staff. Or pick a root and a chord
type, or type a symbol such as C#m7b5 or D/F#, and it finds every fingering a
hand can play in the frets in view, easiest first or as guitarists play them.

Chords play strummed or as block chords, save as chord files that open with a
double click, and print or copy as chord and note diagrams. A guitar tuner
plays reference notes for each string and looped tones for tuning to a band.
fretwise-cli does the same from the command line, with JSON output.")
include(CPack)
