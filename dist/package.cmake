# `cpack -G DEB` in the build folder: lexodrome_<version>_<arch>.deb installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexodrome)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lexodrome developers")
set(CPACK_PACKAGE_CONTACT "${LEXO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/debian-staging.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LEXO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# debian-staging.cmake adds what dpkg-shlibdeps finds zarnik, DGLEngine.so and lexodrome-dict
# linking (lexodrome-dict brings libespeak-ng1 and with it the voices, espeak-ng-data, which the
# engine opens at run time to speak the words); the engine opens SDL2_mixer only at run time,
# the windows want a sans font, and the progress page opens through xdg-open. Words beyond the
# bitmap fonts are drawn through FreeType, HarfBuzz, FriBidi and fontconfig, opened at run time,
# from the Noto fonts (Arabic, Hebrew, Devanagari, Thai, Georgian, Armenian: 12 MB); the CJK
# fonts are 57 MB to download and 91 MB installed, so they are recommended, not required.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-mixer-2.0-0, xdg-utils, libfreetype6, libharfbuzz0b, libfribidi0, libfontconfig1, fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core | fonts-liberation2, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary-typing game for language learners")
# The extended description; cpack puts the summary above it and indents every line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Monsters carrying dictionary words walk in from the edges of the field toward
the wizard in the middle. Type the word, or its translation, and press Enter
to shoot. When a monster reaches the wizard the game is over and the words
left unanswered are listed with their translations.
.
Dictionaries for Russian speakers learning English, German, French and
Spanish, and one for English speakers learning Russian, are included;
players add their own as folders of text files in ~/.local/share/lexodrome.
The game speaks Russian, English, German or Ukrainian, as the desktop does.")

include(CPack)
