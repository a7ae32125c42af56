// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// A keystroke in the main window: from a digit typed into Text1 of a real
// Form1 to the new weight in Label3 and price in Label5, against the same
// keystroke into a bare QLineEdit that nothing listens to. Both are typed in
// turn, into an empty box each time. Offscreen.

#include "bench/mesure.h"
#include "commun/apparence.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Two out-of-line copies, so that callgrind can count Ambrelot's keystrokes
// alone: --toggle-collect='*::taperChiffre(*'.
[[gnu::noinline]] void taperChiffre(QLineEdit *boite) { QTest::keyClick(boite, Qt::Key_3); }

[[gnu::noinline]] void taperChiffreReference(QLineEdit *boite) { QTest::keyClick(boite, Qt::Key_3); }

double chronometrer(QLineEdit *boite, void (*taper)(QLineEdit *))
{
    boite->clear();
    QElapsedTimer chrono;
    chrono.start();
    taper(boite);
    return double(chrono.nsecsElapsed());
}

} // namespace

int main(int argc, char *argv[])
{
    prologue();
    const int tours = ::tours(argc, argv, 20000);
    QApplication app(argc, argv);
    const ReglagesDeBanc reglages;
    if (!reglages.prets)
        return 1;
    const FichiersIni &fichiers = reglages.fichiers;
    Bip::remplacer([] {});
    Form1 form1(fichiers);
    form1.show();
    QLineEdit *text1 = form1.findChild<QLineEdit *>(QStringLiteral("Text1"));
    const QLabel *label3 = form1.findChild<QLabel *>(QStringLiteral("Label3"));
    const QLabel *label5 = form1.findChild<QLabel *>(QStringLiteral("Label5"));

    QWidget fenetreNue;
    auto *nue = new QLineEdit(&fenetreNue);
    fenetreNue.show();
    if (!QTest::qWaitForWindowExposed(&form1) || !QTest::qWaitForWindowExposed(&fenetreNue))
        return 1;
    text1->setFocus();

    std::vector<double> tNue, tAmb;
    for (int i = 0; i < tours / 10; ++i) {
        chronometrer(nue, taperChiffreReference);
        chronometrer(text1, taperChiffre);
    }
    for (int i = 0; i < tours; ++i) {
        tNue.push_back(chronometrer(nue, taperChiffreReference));
        tAmb.push_back(chronometrer(text1, taperChiffre));
    }
    // 3 envelopes of 3,2 g by France Rapide.
    if (label3->text() != QStringLiteral("9,6") || label5->text() != QStringLiteral("0,66 €")) {
        std::fprintf(stderr, "frappe sans effet : %s, %s\n", qPrintable(label3->text()), qPrintable(label5->text()));
        return 1;
    }

    const Repartition nueR = repartition(tNue);
    const Repartition ambR = repartition(tAmb);
    std::printf("Un chiffre tapé, %d frappes de chaque\n", tours);
    afficherRatio("Référence : QLineEdit nue, médiane", nueR.mediane, nueR.mediane);
    afficherRatio("Ambrelot, Text1 vers Label3 et Label5, médiane", ambR.mediane, nueR.mediane);
    afficherRatio("Référence : QLineEdit nue, 99e centile", nueR.centile99, nueR.centile99);
    afficherRatio("Ambrelot, 99e centile", ambR.centile99, nueR.centile99);
    return 0;
}
