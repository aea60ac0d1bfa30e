# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, build/keyslinger_<version>_amd64.deb, made by CPack from the install layout.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keyslinger)
set(CPACK_PACKAGE_VERSION 1.0)
set(CPACK_PACKAGE_VENDOR "Keyslinger developers")
set(CPACK_PACKAGE_CONTACT "Keyslinger developers <keyslinger@keyslinger.invalid>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Run-time needs no linked library shows: the fonts the screens use, and libpulse0, which the game
# opens when the first sound plays instead of linking it (the shared-library scan above cannot
# see it). The X11 platform plugin comes with libqt6gui6, which the scan lists with its version.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libpulse0")
# Word lists for the word drills, read from /usr/share/dict at run time; without them the drills
# fall back to made-up words from a built-in English letter-pair table. scowl grades the English
# words by commonness (and names the names German nouns are told from); without it the shipped
# rank tables serve.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wamerican, wngerman, wfrench, wspanish, scowl")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing tutor in a shooting gallery")
# CPack puts the summary first and indents the body itself; an empty line becomes " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Keyslinger teaches touch typing. Figures pop up at the places of a shooting
gallery and every place carries a letter: typing that letter shoots the figure
standing there. Sixteen levels lead from the home row to the whole keyboard;
every player profile keeps its progress and best results.

The package also holds keyslinger-check and keyslinger-sim, the level
checker and simulator for level designers.")
include(CPack)
