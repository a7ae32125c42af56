# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: what a machine-wide install adds to the install rules
# (manual page, AppStream metadata, Debian's copyright and changelog), and
# CPack's DEB generator. scripts/paquet builds it.

set(AMBRELOT_ID_APPSTREAM example.ambrelot.ambrelot)
# Where the screenshots of docs/ are published, for the software centres.
set(AMBRELOT_SITE https://ambrelot.example)
set(AMBRELOT_MAINTENEUR "Équipe Ambrelot <paquets@ambrelot.example>")

set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${AMBRELOT_ID_APPSTREAM}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ambrelot.metainfo.xml.in ${metainfo} @ONLY)

# The manual page names the version the build gives.
configure_file(${CMAKE_CURRENT_LIST_DIR}/ambrelot.1.in ${CMAKE_CURRENT_BINARY_DIR}/paquet/ambrelot.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian ${CMAKE_CURRENT_BINARY_DIR}/paquet/changelog.Debian COPYONLY)

# Debian wants them compressed with gzip -9n: no name, no time stamp.
set(fichiers_compresses)
foreach(source ambrelot.1 changelog.Debian)
    set(entree ${CMAKE_CURRENT_BINARY_DIR}/paquet/${source})
    set(sortie ${entree}.gz)
    add_custom_command(OUTPUT ${sortie}
        COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${entree} ${sortie}
        DEPENDS ${entree}
        VERBATIM)
    list(APPEND fichiers_compresses ${sortie})
endforeach()
add_custom_target(documentation_paquet ALL DEPENDS ${fichiers_compresses})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paquet/ambrelot.1.gz DESTINATION share/man/man1)
install(FILES ${metainfo} DESTINATION share/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/paquet/changelog.Debian.gz
    ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/ambrelot)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ambrelot)
set(CPACK_PACKAGE_VENDOR "Équipe Ambrelot")
set(CPACK_PACKAGE_CONTACT "${AMBRELOT_MAINTENEUR}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install rules then see the final prefix, which the desktop entry names,
# and stage the files under DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AMBRELOT_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${AMBRELOT_SITE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "calcul du poids et de l'affranchissement d'un courrier
Ambrelot calcule l'affranchissement d'un courrier envoyé depuis la France :
on compte ce que contient l'enveloppe (enveloppes par format, enveloppes
matelassées, feuilles, formulaires, disquettes et CD, photos, grammes en
plus), et Ambrelot affiche aussitôt le poids total et le prix pour la lettre
France Rapide, l'Ecopli ou l'Union européenne (zone 1).
.
Les poids et les grilles de prix se modifient dans le programme ; chaque
compte de la machine garde ses propres réglages.")
# The libraries the program links come from dpkg-shlibdeps; these are what
# it loads at run time: the platform plugins beyond X11's, Qt's own French
# texts, and the face it draws every text in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
include(CPack)
