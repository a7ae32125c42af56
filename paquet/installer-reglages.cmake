# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later

# The default settings files beside the installed program, with the prices of
# the year's price file, existing ones left alone, and the desktop entry that names the installed launcher.
# DESTDIR is honoured by hand here: a package is staged under it, and the
# build machine's own prefix is never written.
execute_process(COMMAND "${AMBRELOT_DEFAUTS}" "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${AMBRELOT_PROGRAMME}"
    "${AMBRELOT_TARIFS}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "Réglages par défaut non installés")
endif()
set(AMBRELOT_LANCEUR "${CMAKE_INSTALL_PREFIX}/bin/ambrelot")
configure_file("${AMBRELOT_SOURCE}/resources/ambrelot.desktop.in" "${AMBRELOT_CONSTRUCTION}/ambrelot.desktop" @ONLY)
file(INSTALL "${AMBRELOT_CONSTRUCTION}/ambrelot.desktop" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
