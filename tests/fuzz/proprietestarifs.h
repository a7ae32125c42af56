// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QString>

class FichiersIni;

namespace Proprietes {

// The bytes of the three price files, in the order of the services.
QByteArrayList octets(const FichiersIni &fichiers);

// A refused price file writes nothing and says why; an accepted one, once
// imported, exports to a file that reads back to the same prices and whose
// import writes nothing. The empty text when all holds.
QString verifierTarifs(QByteArrayView entree);

} // namespace Proprietes
