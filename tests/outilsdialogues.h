#pragma once

// Helpers shared by the dialog tests: a stand-in main window, a settings
// directory of the test's own, and a way to act inside a modal dialog.

#include "dialogs/dialogues.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

inline QByteArray cp1252(const QString &texte)
{
    QStringEncoder encodeur("windows-1252");
    return encodeur.encode(texte);
}

inline QString depuisCp1252(const QByteArray &octets)
{
    QStringDecoder decodeur("windows-1252");
    return decodeur.decode(octets);
}

inline QString nomFichier(FichierIni fichier)
{
    switch (fichier) {
    case FichierIni::PoidsElements:
        return QStringLiteral("PoidsElements.ini");
    case FichierIni::TarifNormal:
        return QStringLiteral("TarifNormal.ini");
    case FichierIni::TarifEcopli:
        return QStringLiteral("TarifEcopli.ini");
    case FichierIni::TarifCEE:
        break;
    }
    return QStringLiteral("TarifCEE.ini");
}

// A settings directory, a main window and the dialogs over it.
struct Banc
{
    QTemporaryDir dossier;
    QWidget principale;
    Dialogues dialogues{FichiersIni(dossier.path()), &principale};

    Banc()
    {
        principale.resize(640, 480);
        principale.show();
    }

    QString chemin(FichierIni fichier) const { return dossier.filePath(nomFichier(fichier)); }

    void ecrireFichier(FichierIni fichier, const QString &lignes) const
    {
        QFile f(chemin(fichier));
        if (f.open(QIODevice::WriteOnly))
            f.write(cp1252(lignes));
    }

    QByteArray octets(FichierIni fichier) const
    {
        QFile f(chemin(fichier));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QDialog *dialogue(const QString &nom) const { return principale.findChild<QDialog *>(nom); }
};

inline QLineEdit *champ(QWidget *dialogue, const QString &nom)
{
    return dialogue ? dialogue->findChild<QLineEdit *>(nom) : nullptr;
}

inline void cliquer(QWidget *dialogue, const QString &bouton)
{
    if (auto *b = dialogue ? dialogue->findChild<QPushButton *>(bouton) : nullptr)
        QTest::mouseClick(b, Qt::LeftButton);
}

// Shows the window through the facade, as the menu does, runs `action` on it
// once it is up, and returns when the window has gone. A window the action
// leaves open is closed after a while so that a failing test cannot hang.
inline void afficherPuis(Dialogues &dialogues, Dialogues::Fenetre fenetre,
                         const std::function<void(QDialog *)> &action)
{
    QTimer::singleShot(0, qApp, [action] {
        action(qobject_cast<QDialog *>(QApplication::activeModalWidget()));
    });
    QTimer secours;
    secours.setSingleShot(true);
    QObject::connect(&secours, &QTimer::timeout, qApp, [] {
        while (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    secours.start(10000);
    dialogues.afficher(fenetre);
}

// Accepts the next message box and returns what it said, title aside.
struct Messages
{
    QStringList lus;

    void attendre()
    {
        QTimer::singleShot(0, qApp, [this] {
            if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                lus.append(boite->text() + u'\n' + boite->informativeText());
                boite->accept();
            }
        });
    }
};
