// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the tests share: files byte for byte, the expected ones, the update
// stamp masked, a file-size limit; with widgets, a beep counter, a settings
// folder under the dialogs, actions inside a modal window, and the texts a
// window shows.

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
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

// Bytes with every update stamp, whatever it says, as "#".
inline QByteArray sansTampon(const QByteArray &octets)
{
    static const QRegularExpression tampon(QStringLiteral("\\d\\d/\\d\\d/\\d{4} \\x{e0} \\d\\d:\\d\\d"));
    return QString::fromLatin1(octets).replace(tampon, QStringLiteral("#")).toLatin1();
}

constexpr FichierReglages TousLesFichiers[] = {FichierReglages::PoidsElements, FichierReglages::TarifNormal,
                                               FichierReglages::TarifEcopli, FichierReglages::TarifCEE};

// Runs `action` under a file-size limit, SIGXFSZ ignored so that exceeding
// it fails the write instead of killing the test. Stops root too.
template<typename Action>
auto sousLimiteDeTaille(rlim_t octets, Action action)
{
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    const rlimit limite{octets, ancienne.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
    const auto resultat = action();
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, signal);
    return resultat;
}

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

#include "commun/apparence.h"
#include "dialogs/dialogues.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Counts the program's beeps for its life.
struct Bips
{
    int nombre = 0;
    Bips()
    {
        Bip::remplacer([this] { ++nombre; });
    }
    ~Bips() { Bip::remplacer({}); }
};

// A settings folder, a stand-in main window and the dialogs over it.
struct Banc
{
    QTemporaryDir dossier;
    FichiersIni fichiers{dossier.path()};
    QWidget principale;
    Dialogues dialogues{fichiers, &principale};

    Banc() { principale.show(); }
    QString chemin(FichierReglages f) const { return fichiers.chemin(f); }
    QByteArray octets(FichierReglages f) const { return lireOctets(chemin(f)); }
    void ecrire(FichierReglages f, const QString &lignes) const { ecrireOctets(chemin(f), cp1252(lignes)); }
    QDialog *dialogue(const QString &nom) const { return principale.findChild<QDialog *>(nom); }
};

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

// Shows the window as the menu does, runs `action` in it and returns once it
// has gone; closes what the action leaves open, so that a test cannot hang.
inline void afficherPuis(Dialogues &dialogues, Dialogues::Fenetre fenetre, const std::function<void(QDialog *)> &action)
{
    dansLeProchainDialogue(action);
    QTimer secours;
    QObject::connect(&secours, &QTimer::timeout, qApp, [] {
        while (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    secours.start(10000);
    dialogues.afficher(fenetre);
}

// What a window shows, a line per named control: its text, its colour,
// alignment and accessible name where it has them, its place and size, its
// font, hidden, greyed, styled.
inline QStringList apercu(const QWidget *fenetre)
{
    QStringList lignes{fenetre->objectName() + QStringLiteral(" «") + fenetre->windowTitle() + u'»'};
    for (const QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (w->window() != fenetre || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"))
            continue;
        QString ligne = w->objectName();
        if (const QVariant texte = w->property(qobject_cast<const QGroupBox *>(w) ? "title" : "text"); texte.isValid())
            ligne += QStringLiteral(" «%1»").arg(texte.toString());
        if (const auto *l = qobject_cast<const QLabel *>(w))
            ligne += u' ' + l->palette().color(QPalette::WindowText).name()
                + (l->textFormat() == Qt::PlainText ? "" : " enrichi");
        if (const QVariant alignement = w->property("alignment"); alignement.isValid())
            ligne += QStringLiteral(" aligné %1").arg(alignement.toInt(), 0, 16);
        if (!w->accessibleName().isEmpty())
            ligne += QStringLiteral(" [%1]").arg(w->accessibleName());
        const QRect g = w->geometry();
        lignes << ligne
                + QStringLiteral(" %1,%2 %3x%4 %5pt")
                      .arg(g.x())
                      .arg(g.y())
                      .arg(g.width())
                      .arg(g.height())
                      .arg(w->font().pointSizeF())
                + (w->font().bold() ? QStringLiteral(" gras") : QString())
                + (w->isHidden() ? QStringLiteral(" caché") : QString())
                + (w->isEnabled() ? QString() : QStringLiteral(" grisé"))
                + (w->styleSheet().isEmpty() ? QString() : QStringLiteral(" stylé"));
    }
    return lignes;
}

// Compares with tests/attendus/<nom>.txt; AMBRELOT_RENOUVELER=1 writes it
// instead, after a change to a window that a person has looked at.
inline void comparerApercu(const QString &nom, const QStringList &lignes)
{
    const QString fichier = nom + QStringLiteral(".txt");
    if (qEnvironmentVariableIntValue("AMBRELOT_RENOUVELER"))
        ecrireOctets(QStringLiteral(AMBRELOT_ATTENDUS "/") + fichier, (lignes.join(u'\n') + u'\n').toUtf8());
    else
        QCOMPARE(lignes, QString::fromUtf8(attendu(fichier)).split(u'\n', Qt::SkipEmptyParts));
}

#endif
