// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the tests share: files byte for byte, the expected ones, the default
// grids, a table of cases, another account for the permission tests; with
// widgets, controls by name, actions inside the next modal window, and what
// a window shows, its tables and its Tab order.

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

inline QByteArray lireOctets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool ecrireOctets(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

inline QByteArray cp1252(const QString &texte) { return QStringEncoder("windows-1252").encode(texte); }

// The bytes the tests expect, from tests/attendus.
inline QByteArray attendu(const QString &nom) { return lireOctets(QStringLiteral(AMBRELOT_ATTENDUS "/") + nom); }

inline std::array<GrilleTarif, 3> grillesParDefaut()
{
    std::array<GrilleTarif, 3> grilles;
    for (const ServiceExpedition s : TousLesServices)
        Tarifs::restaurerDefauts(grilles.at(int(s)) = Tarifs::grille(s));
    return grilles;
}

// One row a case, named by its first field.
template<typename T, std::size_t N>
void cas(const T (&lignes)[N])
{
    QTest::addColumn<T>("c");
    for (const T &c : lignes)
        QTest::newRow(c.nom) << c;
}

constexpr FichierReglages TousLesFichiers[] = {FichierReglages::PoidsElements, FichierReglages::TarifNormal,
                                               FichierReglages::TarifEcopli, FichierReglages::TarifCEE};

// The account permission tests run as: nobody when the tests run as root,
// who writes everywhere; else the test's own.
inline uid_t compteTeste()
{
    const passwd *nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    return nobody ? nobody->pw_uid : geteuid();
}

// Where compteTeste() can reach a test's folders: as root, /tmp rather than
// a TMPDIR that may be root's alone.
inline QString temporairePourLeCompte()
{
    return (compteTeste() != geteuid() ? QStringLiteral("/tmp") : QDir::tempPath())
        + QStringLiteral("/ambrelot-XXXXXX");
}

// Runs `action`, with its checks, as compteTeste(): in a child process when
// it must leave root behind, whose failures fail the test. True when all held.
template<typename Action>
bool commeCompte(Action action)
{
    if (compteTeste() == geteuid())
        return action(), !QTest::currentTestFailed();
    const pid_t enfant = fork();
    if (enfant == 0) {
        const passwd *compte = getpwuid(compteTeste());
        const bool sans = setgroups(0, nullptr) == 0 && setgid(compte->pw_gid) == 0 && setuid(compte->pw_uid) == 0;
        if (sans)
            action();
        fflush(nullptr);
        _exit(sans && !QTest::currentTestFailed() ? 0 : 1);
    }
    int etat = 1;
    return enfant > 0 && waitpid(enfant, &etat, 0) == enfant && WIFEXITED(etat) && WEXITSTATUS(etat) == 0;
}

#ifdef QT_WIDGETS_LIB

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

template<typename T = QLineEdit>
T *enfant(const QWidget *parent, const QString &nom)
{
    T *w = parent->findChild<T *>(nom);
    if (!w)
        qFatal("pas de contrôle %s", qPrintable(nom));
    return w;
}

inline void cliquer(const QWidget *dialogue, const QString &bouton)
{
    QTest::mouseClick(enfant<QAbstractButton>(dialogue, bouton), Qt::LeftButton);
}

// Runs `action` in the next modal window once it is up.
inline void dansLeProchainDialogue(const std::function<void(QDialog *)> &action)
{
    QTimer::singleShot(0, qApp, [action] { action(qobject_cast<QDialog *>(QApplication::activeModalWidget())); });
}

// What a window shows, a line per named control: its text, its colour,
// alignment and accessible name where it has them, its place and size, its
// font, hidden, greyed, styled; a table's columns and cells.
inline QStringList apercu(const QWidget *fenetre)
{
    QStringList lignes{fenetre->objectName() + " «" + fenetre->windowTitle() + "»"};
    for (const QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (w->window() != fenetre || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        QString ligne = w->objectName();
        if (const QVariant texte = w->property(qobject_cast<const QGroupBox *>(w) ? "title" : "text"); texte.isValid())
            ligne += " «" + texte.toString() + "»";
        if (const auto *l = qobject_cast<const QLabel *>(w))
            ligne += " " + l->palette().color(QPalette::WindowText).name()
                + (l->textFormat() == Qt::PlainText ? "" : " enrichi");
        if (const QVariant alignement = w->property("alignment"); alignement.isValid())
            ligne += QString::asprintf(" aligné %x", alignement.toInt());
        if (!w->accessibleName().isEmpty())
            ligne += " [" + w->accessibleName() + "]";
        const QRect g = w->geometry();
        ligne += QString::asprintf(" %d,%d %dx%d %gpt", g.x(), g.y(), g.width(), g.height(), w->font().pointSizeF());
        for (const auto &[oui, mot] : {std::pair{w->font().bold(), " gras"},
                                       {w->isHidden(), " caché"},
                                       {!w->isEnabled(), " grisé"},
                                       {!w->styleSheet().isEmpty(), " stylé"}})
            ligne += oui ? mot : "";
        lignes << ligne;
        // A table: its columns with their help, its rows with their cells, the bold ones marked.
        if (const auto *t = qobject_cast<const QTableWidget *>(w)) {
            for (int c = 0; c < t->columnCount(); ++c) {
                const QTableWidgetItem *e = t->horizontalHeaderItem(c);
                lignes << QStringLiteral("colonne «%1» %2x%3 «%4» [%5]")
                              .arg(e->text())
                              .arg(t->columnWidth(c))
                              .arg(t->horizontalHeader()->height())
                              .arg(e->toolTip(), e->data(Qt::AccessibleDescriptionRole).toString());
            }
            for (int r = 0; r < t->rowCount(); ++r) {
                lignes << QStringLiteral("ligne «%1» %2x%3")
                              .arg(t->model()->headerData(r, Qt::Vertical).toString())
                              .arg(t->verticalHeader()->isHidden() ? 0 : t->verticalHeader()->width())
                              .arg(t->rowHeight(r))
                        + (r == t->currentRow() ? " courante" : "");
                for (int c = 0; c < t->columnCount(); ++c)
                    lignes.last() += " «" + t->item(r, c)->text() + "»" + (t->item(r, c)->font().bold() ? " gras" : "");
            }
        }
    }
    return lignes;
}

// The Tab order of a window, once round from the control with the focus.
inline QStringList tabulations(QWidget *fenetre)
{
    QStringList lignes;
    for (QWidget *w = fenetre->focusWidget();
         w && QTest::qWaitForWindowActive(fenetre) && !lignes.contains("tabulation " + w->objectName());
         w = fenetre->focusWidget()) {
        lignes << "tabulation " + w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return lignes;
}

// Compares with tests/attendus/<nom>.txt; AMBRELOT_RENOUVELER=1 writes it
// instead, after a change to a window that a person has looked at.
inline void comparerApercu(const QString &nom, const QStringList &lignes)
{
    const QString fichier = AMBRELOT_ATTENDUS "/" + nom + ".txt";
    if (qEnvironmentVariableIntValue("AMBRELOT_RENOUVELER"))
        ecrireOctets(fichier, (lignes.join('\n') + '\n').toUtf8());
    else
        QCOMPARE(lignes, QString::fromUtf8(lireOctets(fichier)).split('\n', Qt::SkipEmptyParts));
}

#endif
