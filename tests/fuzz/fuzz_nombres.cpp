// libFuzzer target over the French number conversion and the four-place
// decimal.

#include "proprietes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char *>(octets), qsizetype(taille));
    const QString erreur = Proprietes::verifierNombre(texte);
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "Propriété violée sur « %s » : %s\n", texte.toUtf8().constData(),
                     erreur.toUtf8().constData());
        std::abort();
    }
    return 0;
}
