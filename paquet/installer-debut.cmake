# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later

# First step of the install: notes the folders it is about to create, for
# the last step to open them to every account. A staging folder (DESTDIR)
# holds only what the install puts there: all of it is the package's, down to
# the prefix, which CPack creates beforehand.
set(ambrelot_dossiers_crees)
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    string(LENGTH "$ENV{DESTDIR}" longueurDestdir)
    set(dossier "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    string(LENGTH "${dossier}" longueur)
    while(longueur GREATER longueurDestdir)
        list(APPEND ambrelot_dossiers_crees "${dossier}")
        get_filename_component(dossier "${dossier}" DIRECTORY)
        string(LENGTH "${dossier}" longueur)
    endwhile()
endif()
foreach(destination IN LISTS AMBRELOT_DESTINATIONS)
    set(dossier "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${destination}")
    while(NOT EXISTS "${dossier}")
        list(APPEND ambrelot_dossiers_crees "${dossier}")
        get_filename_component(dossier "${dossier}" DIRECTORY)
    endwhile()
endforeach()
