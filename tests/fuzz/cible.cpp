// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target over the settings-file format, on bytes without a disk,
// or, built with AMBRELOT_CIBLE_NOMBRES, over the French numbers and the
// four-place decimal, or, with AMBRELOT_CIBLE_TARIFS, over the price files.

#include "proprietes.h"
#include "proprietestarifs.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *octets, std::size_t taille)
{
    const QByteArrayView entree(octets, qsizetype(taille));
#if defined(AMBRELOT_CIBLE_NOMBRES)
    const QString erreur = Proprietes::verifierNombre(QString::fromUtf8(entree));
#elif defined(AMBRELOT_CIBLE_TARIFS)
    const QString erreur = Proprietes::verifierTarifs(entree);
#else
    const QString erreur = Proprietes::verifierEcriture(Proprietes::decouper(entree));
#endif
    if (!erreur.isEmpty())
        qFatal("Propriété violée : %s", qPrintable(erreur));
    return 0;
}
