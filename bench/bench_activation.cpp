// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's activation after windows of the menu have closed: with
// the element weights dialog closed (it reloads from its file), with all four
// settings dialogs closed (about fifty key reads across the four files, as at
// start-up), and with none closed. The reference reads the raw bytes of the
// four files once each, in the same run. Offscreen.

#include "bench/mesure.h"
#include "dialogs/dialogues.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>

namespace {

// What closing a dialog does: it unloads, so the next read loads it again.
void fermer(Form1 &form1, const QStringList &noms)
{
    for (QDialog *d : form1.findChildren<QDialog *>()) {
        if (noms.contains(d->objectName()))
            d->reject();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<double> mesurer(int tours, const std::function<void()> &avant, const std::function<void()> &mesure)
{
    std::vector<double> temps;
    QElapsedTimer chrono;
    for (int i = 0; i < tours; ++i) {
        avant();
        chrono.start();
        mesure();
        temps.push_back(double(chrono.nsecsElapsed()));
    }
    return temps;
}

} // namespace

int main(int argc, char *argv[])
{
    prologue();
    const int tours = ::tours(argc, argv, 300);
    QApplication app(argc, argv);
    const ReglagesDeBanc reglages;
    if (!reglages.prets)
        return 1;
    const FichiersIni &fichiers = reglages.fichiers;
    Form1 form1(fichiers);
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        return 1;

    const auto lireLesOctets = [&fichiers] {
        for (FichierReglages f : {FichierReglages::PoidsElements, FichierReglages::TarifNormal,
                                  FichierReglages::TarifEcopli, FichierReglages::TarifCEE}) {
            QFile fichier(fichiers.chemin(f));
            fichier.open(QIODevice::ReadOnly);
            volatile qsizetype n = fichier.readAll().size();
            (void)n;
        }
    };
    const auto activer = [&form1] { form1.activation(); };
    const QStringList tous{QStringLiteral("Form2"), QStringLiteral("Form3"), QStringLiteral("Form4"),
                           QStringLiteral("Form5")};

    struct Cas
    {
        const char *nom;
        QStringList fermes;
        std::vector<double> temps;
    };
    std::vector<Cas> cas{
        {"Après fermeture de Form2 (poids)", {QStringLiteral("Form2")}, {}},
        {"Après fermeture de Form3 (France Rapide)", {QStringLiteral("Form3")}, {}},
        {"Après fermeture de Form4 (Ecopli)", {QStringLiteral("Form4")}, {}},
        {"Après fermeture de Form5 (UE)", {QStringLiteral("Form5")}, {}},
        {"Après fermeture de l'À propos", {}, {}},
        {"Les quatre dialogues à recharger", tous, {}},
    };
    // A second argument picks one case, to profile it alone:
    // valgrind --tool=callgrind --toggle-collect='Form1::activation*' bench_activation 50 Form2
    const QString seul = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    // Interleaved rounds, so that a busy moment weighs on every case.
    std::vector<double> brut;
    const auto ajouter
        = [](std::vector<double> &v, const std::vector<double> &w) { v.insert(v.end(), w.begin(), w.end()); };
    for (int i = 0; i < (tours + 9) / 10; ++i) {
        ajouter(brut,
                mesurer(
                    10, [] {}, lireLesOctets));
        for (Cas &c : cas) {
            if (seul.isEmpty() || c.fermes.join(u' ') == seul)
                ajouter(c.temps,
                        mesurer(
                            10, [&] { fermer(form1, c.fermes); }, activer));
        }
    }

    const double base = repartition(brut).mediane;
    std::printf("Activation de la fenêtre principale, %zu mesures de chaque, médianes\n", brut.size());
    afficherRatio("Référence : octets bruts des quatre fichiers", base, base);
    for (const Cas &c : cas) {
        if (!c.temps.empty())
            afficherRatio(c.nom, repartition(c.temps).mediane, base);
    }
    return 0;
}
