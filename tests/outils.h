#pragma once

// What the tests share: files read and written byte for byte, two complete
// sets of settings, a file-size limit, and for the window tests a settings
// directory with the dialogs over it, a way to act inside a modal dialog and
// a beep counter.

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
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

inline QByteArray cp1252(const QString &texte)
{
    QStringEncoder e("windows-1252");
    return e.encode(texte);
}

inline QString depuisCp1252(const QByteArray &octets)
{
    QStringDecoder d("windows-1252");
    return d.decode(octets);
}

constexpr FichierIni TousLesFichiers[] = {FichierIni::PoidsElements, FichierIni::TarifNormal,
                                          FichierIni::TarifEcopli, FichierIni::TarifCEE};

// A file-size limit for the life of the object; SIGXFSZ ignored so that
// exceeding it fails the write instead of killing the test. Stops root too.
class LimiteDeTaille
{
public:
    explicit LimiteDeTaille(rlim_t octets)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_ancienne);
        rlimit limite = m_ancienne;
        limite.rlim_cur = octets;
        m_ok = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~LimiteDeTaille()
    {
        setrlimit(RLIMIT_FSIZE, &m_ancienne);
        std::signal(SIGXFSZ, m_signal);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_ancienne{};
    void (*m_signal)(int) = nullptr;
    bool m_ok = false;
};

// The names of the files opened in a directory, in order, one per run of
// opens of the same file.
class OuverturesFichiers
{
public:
    explicit OuverturesFichiers(const QString &dossier)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(m_fd, QFile::encodeName(dossier).constData(), IN_OPEN);
    }
    ~OuverturesFichiers() { ::close(m_fd); }

    QStringList lues()
    {
        QStringList noms;
        alignas(inotify_event) char tampon[8192];
        for (ssize_t n; (n = ::read(m_fd, tampon, sizeof tampon)) > 0;) {
            for (char *p = tampon; p < tampon + n;) {
                const auto *e = reinterpret_cast<const inotify_event *>(p);
                const QString nom = QString::fromLocal8Bit(e->name);
                if (noms.isEmpty() || noms.last() != nom)
                    noms << nom;
                p += sizeof(inotify_event) + e->len;
            }
        }
        return noms;
    }

private:
    int m_fd;
};

// Two complete sets of settings, told apart by every value: whatever an
// interrupted save leaves must be one set or the other. Variant 0 holds the
// defaults; variant 1 texts of other lengths, so that a value cut short or
// spliced from both shows.
namespace Sauvegardes {

inline QStringList poids(int variante)
{
    QStringList v = CatalogueElements::defauts();
    if (variante == 1) {
        for (int i = 0; i < v.size(); ++i)
            v[i] = QStringLiteral("%1,%2").arg(100000 + i).arg(i * 37);
    }
    return v;
}

inline GrilleTarif grille(ServiceExpedition service, int variante)
{
    GrilleTarif g = Tarifs::grille(service);
    Tarifs::restaurerDefauts(g);
    if (variante == 1) {
        for (qsizetype i = 0; i < g.Tranches.size(); ++i)
            g.Tranches[i].Prix = QStringLiteral("%1,99").arg(7000 + i);
    }
    g.ValeurReserve = variante == 1 ? QStringLiteral("réserve « une »") : QString();
    return g;
}

inline QString symbole(int variante)
{
    return variante == 1 ? QStringLiteral("FRF") : SymboleMonetaire::Defaut;
}

inline QString tampon(int variante)
{
    return variante == 1 ? QStringLiteral("31/12/2099 à 23:59") : QStringLiteral("05/12/2026 à 10:38");
}

inline ResultatEcriture enregistrer(FichierIni fichier, const FichiersIni &fichiers, int variante)
{
    const QString s = symbole(variante);
    if (fichier == FichierIni::PoidsElements)
        return CatalogueElements::enregistrer(fichiers, poids(variante), tampon(variante));
    for (const ServiceExpedition service : TousLesServices) {
        const GrilleTarif g = grille(service, variante);
        if (g.Fichier == fichier)
            return Tarifs::enregistrer(g, fichiers, &s, tampon(variante));
    }
    return {};
}

// The four files in the order a user would save them; variant 0 makes the
// default settings files.
inline ResultatEcriture enregistrerTout(const FichiersIni &fichiers, int variante = 0)
{
    for (const FichierIni f : TousLesFichiers) {
        if (const auto r = enregistrer(f, fichiers, variante); !r)
            return r;
    }
    return {};
}

} // namespace Sauvegardes

#ifdef QT_WIDGETS_LIB

#include "dialogs/dialogues.h"
#include "main_window/apparence.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// Counts the program's beeps for its life.
struct Bips
{
    int nombre = 0;
    Bips() { Bip::remplacer([this] { ++nombre; }); }
    ~Bips() { Bip::remplacer({}); }
};

// A settings directory, a stand-in main window and the dialogs over it.
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

    QString chemin(FichierIni fichier) const { return FichiersIni(dossier.path()).chemin(fichier); }
    void ecrireFichier(FichierIni fichier, const QString &lignes) const
    {
        ecrireOctets(chemin(fichier), cp1252(lignes));
    }
    QByteArray octets(FichierIni fichier) const { return lireOctets(chemin(fichier)); }
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

// Runs `action` in the next modal dialog once it is up.
inline void dansLeProchainDialogue(const std::function<void(QDialog *)> &action)
{
    QTimer::singleShot(0, qApp, [action] {
        action(qobject_cast<QDialog *>(QApplication::activeModalWidget()));
    });
}

// Shows the window through the facade, as the menu does, runs `action` in
// it, and returns when it has gone. A window the action leaves open is
// closed after a while so that a failing test cannot hang.
inline void afficherPuis(Dialogues &dialogues, Dialogues::Fenetre fenetre,
                         const std::function<void(QDialog *)> &action)
{
    dansLeProchainDialogue(action);
    QTimer secours;
    secours.setSingleShot(true);
    QObject::connect(&secours, &QTimer::timeout, qApp, [] {
        while (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    secours.start(10000);
    dialogues.afficher(fenetre);
}

// Accepts the next message box and keeps what it said, title aside.
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

#endif
