# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later

# Last step of the install. Every account reads what is installed, whatever
# the installer's umask: a settings file or a folder readable by its owner
# only leaves the others without prices. The folders this install created
# are opened to all (those that were there keep their modes); the settings
# files, written by the defaults tool, get the mode install() gives a file.
foreach(f PoidsElements TarifNormal TarifEcopli TarifCEE)
    file(CHMOD "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${AMBRELOT_PROGRAMME}/${f}.ini"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
if(ambrelot_dossiers_crees)
    execute_process(COMMAND chmod go+rx ${ambrelot_dossiers_crees})
endif()
