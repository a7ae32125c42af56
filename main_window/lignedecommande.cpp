// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/lignedecommande.h"

#include "commun/version.h"
#include "main_window/instanceunique.h"
#include "settings/fichiertarifs.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLockFile>
#include <QTextStream>

#include <cerrno>
#include <signal.h>

namespace {

const QString Conseil = QStringLiteral(" ; « ambrelot --help » donne les options.\n");

QString aide(const QList<QCommandLineOption> &options)
{
    QString texte = QStringLiteral("Utilisation : ambrelot [OPTION]\n"
                                   "Sans option, Ambrelot ouvre sa fenêtre de calcul d'affranchissement.\n\n"
                                   "Options :\n");
    for (const QCommandLineOption &o : options) {
        QStringList noms;
        for (const QString &nom : o.names())
            noms << (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
        const QString gauche
            = noms.join(QStringLiteral(", ")) + (o.valueName().isEmpty() ? QString() : u' ' + o.valueName());
        texte += QStringLiteral("  ") + gauche.leftJustified(27) + o.description() + u'\n';
    }
    return texte;
}

// The lock of a window running from the program's folder, held by a live
// process; read, never taken, so that a window starting now is not sent away.
bool fenetreOuverte(const FichiersIni &fichiers)
{
    const QString verrou = InstanceUnique::cheminDuVerrou(fichiers.repertoire());
    qint64 pid = 0;
    return !verrou.isEmpty() && QLockFile(verrou).getLockInfo(&pid, nullptr, nullptr) && pid > 0
        && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

bool importer(const QString &chemin, const FichiersIni &fichiers, QTextStream &sortie, QTextStream &erreurs)
{
    const FichierTarifs::Lecture lecture = FichierTarifs::lireFichier(chemin);
    const FichierTarifs::ResultatImport r = FichierTarifs::importer(lecture, fichiers);
    for (const FichierTarifs::LigneTarif &l : r.changements)
        sortie << QStringLiteral("%1, jusqu'à %2 g : %3 → %4\n")
                      .arg(Tarifs::grille(l.service).Nom, QString::number(l.poidsMaxi),
                           l.actuel.isEmpty() ? QStringLiteral("(aucun)") : l.actuel, l.nouveau);
    if (!r.echec.isEmpty()) {
        erreurs << r.echec << u'\n';
        return false;
    }
    if (const QString plusTard = FichierTarifs::avertissement(lecture.services, QDate::currentDate());
        !plusTard.isEmpty())
        sortie << plusTard << u'\n';
    if (r.changements.isEmpty())
        sortie << QStringLiteral("Aucun prix ne change.\n");
    else if (fenetreOuverte(fichiers))
        sortie << QStringLiteral("Ambrelot est ouvert : il montrera les nouveaux prix à son prochain démarrage.\n");
    return true;
}

bool exporter(const QString &chemin, const FichiersIni &fichiers, QTextStream &sortie, QTextStream &erreurs)
{
    if (const QString echec = FichierTarifs::exporterVers(chemin, fichiers); !echec.isEmpty()) {
        erreurs << echec << u'\n';
        return false;
    }
    sortie << QStringLiteral("Tarifs exportés dans « %1 ».\n").arg(QFileInfo(chemin).fileName());
    return true;
}

} // namespace

std::optional<int> executerLigneDeCommande(const QStringList &arguments, const FichiersIni &fichiers,
                                           QTextStream &sortie, QTextStream &erreurs)
{
    const QCommandLineOption optionAide({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Affiche cette aide."));
    const QCommandLineOption optionVersion({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Affiche la version d'Ambrelot."));
    const QCommandLineOption optionImporter(
        QStringLiteral("importer-tarifs"),
        QStringLiteral("Vérifie un fichier de tarifs, affiche les prix qui changent et les enregistre."),
        QStringLiteral("FICHIER"));
    const QCommandLineOption optionExporter(QStringLiteral("exporter-tarifs"),
                                            QStringLiteral("Écrit les tarifs des trois services dans un fichier."),
                                            QStringLiteral("FICHIER"));
    const QList<QCommandLineOption> options{optionAide, optionVersion, optionImporter, optionExporter};
    QCommandLineParser analyse;
    // Qt's own options take one dash (-platform, -style, -session) and go
    // on to the window; a word after one dash is one option, not letters.
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analyse.addOptions(options);
    const bool lu = analyse.parse(arguments);
    for (const QString &nom : analyse.unknownOptionNames()) {
        const QString option = QStringLiteral("--") + nom;
        if (arguments.contains(option) || arguments.filter(option + u'=').size() > 0) {
            erreurs << QStringLiteral("ambrelot : option inconnue « %1 »").arg(option) << Conseil;
            return 1;
        }
    }
    if (!lu && analyse.unknownOptionNames().isEmpty()) {
        erreurs << QStringLiteral("ambrelot : une option attend un FICHIER") << Conseil;
        return 1;
    }

    if (analyse.isSet(optionAide)) {
        sortie << aide(options);
        return 0;
    }
    if (analyse.isSet(optionVersion)) {
        sortie << QStringLiteral("Ambrelot ") << texteVersion() << u'\n';
        return 0;
    }
    if (!analyse.isSet(optionImporter) && !analyse.isSet(optionExporter))
        return std::nullopt;
    if (analyse.isSet(optionImporter) && !importer(analyse.value(optionImporter), fichiers, sortie, erreurs))
        return 1;
    if (analyse.isSet(optionExporter) && !exporter(analyse.value(optionExporter), fichiers, sortie, erreurs))
        return 1;
    return 0;
}

std::optional<int> executerLigneDeCommande(const QStringList &arguments, const FichiersIni &fichiers)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    return executerLigneDeCommande(arguments, fichiers, sortie, erreurs);
}
