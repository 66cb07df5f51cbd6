# The Debian package (cpack -G DEB, or scripts/package.sh): the files of the install rules
# under /usr, with the libraries found by dpkg-shlibdeps as dependencies.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillbook)
set(CPACK_PACKAGE_VENDOR Orrinvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orrinvale <support@orrinvale.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orrinvale.com/quillbook")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack indents the lines after the first and writes the empty line as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "desktop journal of dated, enciphered entries
Quillbook keeps journals: each journal is one file holding dated entries of
formatted text, filed in a tree of folders and tagged with topics. Entry
texts and comments are always stored enciphered, and a journal can be
protected with a password. Entries are found by text, date and topics,
printed, and checked for spelling with the system's Hunspell dictionaries.

The package holds the desktop program quillbook and the command-line tool
qbk, which lists, searches, shows and adds entries.")
# The Qt, SQLite, Hunspell and C++ libraries come from dpkg-shlibdeps; Qt's platform plugins
# are a package of their own that the program cannot start without.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations put its file, print and colour dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us | hunspell-dictionary, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
