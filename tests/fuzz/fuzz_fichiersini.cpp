// libFuzzer target over the settings-file format, on bytes: no disk.

#include "proprietes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const auto cas = Proprietes::decouper(
        QByteArrayView(reinterpret_cast<const char *>(octets), qsizetype(taille)));
    const QString erreur = Proprietes::verifierEcriture(cas);
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "Propriété violée : %s\n", erreur.toUtf8().constData());
        std::abort();
    }
    return 0;
}
