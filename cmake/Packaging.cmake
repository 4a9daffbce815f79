# `cpack -G DEB` in a Release build directory makes subclock_<version>_<arch>.deb from the
# install rules. Library dependencies come from dpkg-shlibdeps, so they follow what the binaries
# actually link.
set(CPACK_PACKAGE_NAME subclock)
set(CPACK_PACKAGE_VENDOR "The Subclock developers")
set(CPACK_PACKAGE_CONTACT "The Subclock developers <subclock@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Line breaks kept short: dpkg shows the description as written.
set(CPACK_PACKAGE_DESCRIPTION
    "Subclock plays a SubRip (.srt) subtitle file against a running clock, for
watching a video that has no subtitles of its own. The current subtitle shows in
large type in a floating panel that stays above other windows.
Also contains srtdump, which prints the entries of a subtitle file as the player
reads them.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/subclock/subclock)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(SUBCLOCK_BUILD_GUI)
    # Qt loads its window-system plugins at run time, so dpkg-shlibdeps cannot see them, and
    # libqt6gui6 only recommends them: without one the player does not start.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
    # The bundled sample has Japanese lines.
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS fonts-ipafont-gothic)
endif()

include(CPack)
