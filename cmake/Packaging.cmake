# The Debian package, made with `cpack -G DEB` from a build configured with
# CMAKE_INSTALL_PREFIX=/usr (`make deb` does both, and checks it with lintian).

set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGE_CONTACT "The Morvane developers <support@morvane.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://morvane.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "printable bingo cards from your own word lists
Morvane makes printable bingo cards. Type a list of entries (words, phrases
or numbers), pick a card size of 3 x 3, 5 x 5 or 7 x 7, a free centre cell,
a heading row and a font, and watch the sample card change as you go.
.
It prints 1 to 99,999 cards, one, two or four to a page, every card arranged
afresh, or exports them to a PDF file, and prints a call list for the caller.
Sample lists for many occasions come with it.")

# The libraries come from the binary itself; the card font is the default one
# and is looked up by name, so nothing links to it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# The caller window speaks through Qt's speech-dispatcher plugin when it is there;
# Qt's own buttons and dialogs follow the desktop's language with its catalogues.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, qt6-translations-l10n")

# Installed files 0644, folders and programs 0755, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian wants a copyright file and a changelog beside every package's
# documentation. The version number is without a Debian revision, so the
# changelog of this native package is changelog.gz. SOURCE_DATE_EPOCH, when
# set, fixes its date.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/morvane)
string(TIMESTAMP MORVANE_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_SOURCE_DIR}/data/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
                   COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
                   DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
                   VERBATIM)
add_custom_target(morvane_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${doc_dir})

include(CPack)
