#pragma once

#include "settings/fichiersini.h"

#include <QList>

// Writes, with the built-in defaults and an empty update stamp, each of the
// four settings files that the directory lacks; a file already there is
// never touched. One result per file written, failures included.
QList<ResultatEcriture> ecrireFichiersManquants(const FichiersIni &fichiers);
