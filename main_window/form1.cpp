// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"

#include "calculs/comparaison.h"
#include "commun/apparence.h"
#include "commun/champsaisie.h"
#include "commun/construction.h"
#include "commun/legendecliquable.h"
#include "dialogs/dialogues.h"
#include "dialogs/form7.h"
#include "dialogs/form8.h"
#include "main_window/aidesurvol.h"
#include "main_window/horloge.h"
#include "main_window/images.h"
#include "settings/fichiersini.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace DessinForm1;

namespace {

QString texte(const char16_t *t) { return QString::fromUtf16(t); }

// The general help text, for the window background, the result frame and
// most count boxes.
QString Phrase() { return QStringLiteral("Inscrivez le nombre d'éléments qui compose votre expédition"); }

// The design's label colours: on the desktop's button face, in its button
// text unless told otherwise; transparent labels show what lies behind.
void peindre(QLabel *label, std::optional<QColor> texte, bool opaque)
{
    const QPalette &systeme = label->palette();
    QPalette p = systeme;
    p.setColor(QPalette::WindowText, texte.value_or(systeme.color(QPalette::ButtonText)));
    p.setColor(QPalette::Window, systeme.color(QPalette::Button));
    label->setPalette(p);
    label->setAutoFillBackground(opaque);
}

QLabel *creerLabelDessine(QWidget *parent, const LabelDessin &d)
{
    QLabel *l = creerLabel(parent, texte(d.nom), texte(d.texte), d.geometrie, policeSansSerif(d.points, d.gras),
                           d.alignement);
    peindre(l, d.couleur, d.opaque);
    return l;
}

} // namespace

Form1::Form1(const FichiersIni &fichiers, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_dialogues(std::make_unique<Dialogues>(fichiers, this)),
      m_aides(new AideSurvol(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ambrelot"));
    setWindowIcon(icone(QStringLiteral(":/images/enveloppe.svg")));
    for (const ServiceExpedition service : TousLesServices)
        m_grilles.at(std::size_t(service)) = Tarifs::grille(service);

    auto *fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("fond"));
    fond->setFixedSize(pixels(LargeurFond), pixels(HauteurFond));
    setCentralWidget(fond);
    m_aides->ajouter(fond, Phrase);
    std::array<QGroupBox *, NombreCadres> groupes{};
    for (int i = 0; i < NombreCadres; ++i) {
        const CadreDessin &c = cadres().at(std::size_t(i));
        groupes.at(std::size_t(i))
            = creerCadre(fond, texte(c.nom), texte(c.titre), c.geometrie, c.couleurTitre, Style::Immediat);
        m_aides->ajouter(groupes.at(std::size_t(i)), i == Frame8 ? Phrase : std::function<QString()>());
    }
    construireLignes(groupes);
    construireResultat(groupes.at(Frame8));
    construireOptions(groupes.at(Frame7));
    construireBas(fond);
    ordreTabulation();
    construireMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto *horloge = new QTimer(this);
    horloge->setObjectName(QStringLiteral("Timer1"));
    horloge->setInterval(IntervalleHorloge);
    connect(horloge, &QTimer::timeout, this, &Form1::ecrireLegendeFenetre);
    horloge->start();

    if (const QScreen *ecran = screen()) {
        const QSize taille = sizeHint();
        move(ecran->availableGeometry().center() - QPoint(taille.width() / 2, taille.height() / 2));
    }
    caseCompte(1)->setFocus();
}

Form1::~Form1() = default;

void Form1::construireLignes(const std::array<QGroupBox *, NombreCadres> &groupes)
{
    const QFont police = policeSansSerif(8.25, true);
    std::array<int, NombreCadres> rangs{};
    for (const CatalogueElements::Entree &entree : CatalogueElements::entrees()) {
        const int ligne = entree.numero;
        const LigneDessin &d = lignes().at(std::size_t(ligne - 1));
        QGroupBox *g = groupes.at(std::size_t(d.cadre));
        const CadreDessin &c = cadres().at(std::size_t(d.cadre));
        const int haut = c.hautPremiereLigne + PasDesLignes * rangs.at(std::size_t(d.cadre))++;

        auto *l = creerLabel<LegendeCliquable>(g, texte(d.label), texte(d.legende),
                                               twips(GaucheLegendes, haut, d.largeur, HauteurLegendes), police);
        peindre(l, std::nullopt, true);
        connect(l, &LegendeCliquable::relache, this, [this, ligne](Qt::MouseButton b) { clicLegende(ligne, b); });
        m_legendes.at(std::size_t(ligne - 1)) = l;

        // The extra grams take a decimal comma; a count that a click takes
        // past the limit stands whole.
        const bool grammes = entree.forme == CatalogueElements::Forme::Grammes;
        ChampSaisie *b = creerChamp(g, QStringLiteral("Text%1").arg(ligne),
                                    grammes ? ChampSaisie::Admis::ChiffresEtVirgule : ChampSaisie::Admis::Chiffres,
                                    grammes ? 6 : 3, twips(c.gaucheCases, haut, LargeurCases, HauteurCases), police,
                                    Qt::AlignCenter, texte(d.legende));
        m_cases.at(std::size_t(ligne - 1)) = b;
        connect(b, &QLineEdit::textChanged, this, [this, ligne] { changementCompte(ligne); });

        if (grammes) {
            m_aides->ajouter(l, [b] {
                const QString grammes = b->text().isEmpty() ? QStringLiteral("0") : b->text();
                return QStringLiteral("Inscrivez en grammes le poids que vous désirez ajouter. (Actuellement ")
                    + grammes + QStringLiteral(" Grammes)");
            });
            m_aides->ajouter(b,
                             [] { return QStringLiteral("Inscrivez en grammes le poids que vous désirez ajouter"); });
            continue;
        }
        m_aides->ajouter(
            l, [this, ligne, d] { return texte(d.prefixeAide) + m_dialogues->poids(ligne) + texte(d.suffixeAide); });
        if (ligne == 1)
            m_aides->ajouter(b,
                             [] { return QStringLiteral("Entré ici le nombre d'envellopes composant votre envoi"); });
        else
            m_aides->ajouter(b, Phrase);
    }
}

void Form1::construireResultat(QGroupBox *cadre)
{
    const auto &l = labelsResultat();
    m_total = creerLabelDessine(cadre, l.at(Label3));
    QLabel *unite = creerLabelDessine(cadre, l.at(Label4));
    auto *timbre = new Timbre(cadre);
    timbre->setObjectName(QStringLiteral("Image1"));
    timbre->setGeometry(Image1);
    m_prix = creerLabelDessine(cadre, l.at(Label5));

    const auto aidePoids = [this] {
        return QStringLiteral("Poids Actuel de votre envoi ") + u'(' + m_total->text() + QStringLiteral(" Grammes)");
    };
    const auto aidePrix = [this] {
        return QStringLiteral("Ici est affiché le montant qui compose votre expédition (Atuellement ") + m_prix->text()
            + u')';
    };
    m_aides->ajouter(m_total, aidePoids);
    m_aides->ajouter(unite, aidePoids);
    m_aides->ajouter(m_prix, aidePrix);
    m_aides->ajouter(timbre, aidePrix);
}

void Form1::construireOptions(QGroupBox *cadre)
{
    for (const ServiceExpedition service : TousLesServices) {
        const auto i = std::size_t(service);
        const OptionDessin &d = options().at(i);
        auto *o = new QRadioButton(Tarifs::grille(service).NomOption, cadre);
        o->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        o->setGeometry(twips(GaucheOptions, cadres().at(Frame7).hautPremiereLigne + PasDesLignes * int(i),
                             LargeurOptions, HauteurOptions));
        o->setFont(policeSansSerif(8.25, true));
        m_options.at(i) = o;
        m_aides->ajouter(o, [aide = texte(d.aide)] { return aide; });
        // Selected before the handler is connected: pricing now would load
        // the France Rapide dialog ahead of the first activation.
        o->setChecked(i == 0);
        connect(o, &QRadioButton::toggled, this, [this, service](bool choisie) {
            if (choisie)
                clicOption(service);
        });
    }
}

void Form1::construireBas(QWidget *fond)
{
    for (const LabelDessin &d : labelsBas())
        m_aides->ajouter(creerLabelDessine(fond, d));
    auto *aide = fond->findChild<QLabel *>(texte(labelsBas().at(Label27).nom));
    aide->setWordWrap(true);
    m_aides->setLigne(aide);
}

void Form1::ordreTabulation()
{
    QList<QWidget *> ordre(m_cases.begin(), m_cases.end());
    ordre.append(QList<QWidget *>(m_options.begin(), m_options.end()));
    chainerTabulation(ordre);
}

void Form1::construireMenus()
{
    QMenuBar *barre = menuBar();
    barre->setStyleSheet(styleMenus());
    const QFont police = policeSansSerif(8.25, false);
    barre->setFont(police);

    QMenu *fichier = barre->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("MnuFichier"));
    fichier->setFont(police);
    QList<QKeySequence> raccourcis;
    for (const EntreeMenu &e : menuFichier()) {
        if (!e.legende) {
            fichier->addSeparator()->setObjectName(texte(e.nom));
            continue;
        }
        QAction *a = fichier->addAction(e.image ? icone(texte(e.image)) : QIcon(), texte(e.legende));
        a->setObjectName(texte(e.nom));
        a->setShortcut(e.raccourci);
        if (!a->shortcut().isEmpty())
            raccourcis.append(a->shortcut());
        connect(a, &QAction::triggered, this, [this, e] { commande(e); });
    }
    QAction *raz = barre->addAction(QStringLiteral("&RAZ"));
    raz->setObjectName(QStringLiteral("MnuRaz"));
    connect(raz, &QAction::triggered, this, &Form1::raz);
    QAction *comparer = barre->addAction(QStringLiteral("&Comparer"));
    comparer->setObjectName(QStringLiteral("MnuComparer"));
    comparer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    raccourcis.append(comparer->shortcut());
    connect(comparer, &QAction::triggered, this, &Form1::comparer);
    QAction *aPropos = barre->addAction(QStringLiteral("&A Propos de"));
    aPropos->setObjectName(QStringLiteral("MnuAPropos"));
    connect(aPropos, &QAction::triggered, this, [this] { ouvrir(Dialogues::Fenetre::APropos); });

    // A count box would take Ctrl+C (copy) and Ctrl+E (end of line) for
    // itself; the menu's shortcuts come first.
    for (ChampSaisie *b : m_cases)
        b->cederRaccourcis(raccourcis);
}

void Form1::commande(const EntreeMenu &entree)
{
    switch (entree.commande) {
    case Commande::Ouvrir:
        ouvrir(entree.fenetre);
        break;
    case Commande::Importer:
        importerTarifs();
        break;
    case Commande::Exporter:
        exporterTarifs();
        break;
    case Commande::Quitter:
        QCoreApplication::quit();
        break;
    }
}

void Form1::importerTarifs()
{
    const QString chemin = QFileDialog::getOpenFileName(
        this, QStringLiteral("Importer des tarifs"), FichiersIni::dossierDesTarifs(), QStringLiteral("Tarifs (*.csv)"));
    if (chemin.isEmpty())
        return;
    const FichiersIni &fichiers = m_dialogues->fichiers();
    const FichierTarifs::Lecture lecture = FichierTarifs::lireFichier(chemin);
    if (!lecture.refus.isEmpty()) {
        avertir(this, QStringLiteral("Tarifs non importés"), lecture.refus);
        return;
    }
    Form8 apercu(QFileInfo(chemin).fileName(), lecture.services, FichierTarifs::grillesActuelles(fichiers), this);
    if (apercu.exec() != QDialog::Accepted)
        return;
    const FichierTarifs::ResultatImport r = FichierTarifs::importer(lecture, fichiers);
    if (!r.echec.isEmpty())
        avertir(this, QStringLiteral("Tarifs non importés"), r.echec);
    // Even after a failure, the grids saved before it are on disk: the
    // dialogs that hold the prices read their files again.
    m_dialogues->oublierTarifs();
    activation();
}

void Form1::exporterTarifs()
{
    const QString propose = QDir::home().filePath(QStringLiteral("tarifs-") + QDate::currentDate().toString(Qt::ISODate)
                                                  + QStringLiteral(".csv"));
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter les tarifs"), propose,
                                                        QStringLiteral("Tarifs (*.csv)"));
    if (chemin.isEmpty())
        return;
    if (const QString echec = FichierTarifs::exporterVers(chemin, m_dialogues->fichiers()); !echec.isEmpty())
        avertir(this, QStringLiteral("Tarifs non exportés"), echec);
}

void Form1::showEvent(QShowEvent *evenement)
{
    QMainWindow::showEvent(evenement);
    if (!m_dejaActivee) {
        m_dejaActivee = true;
        activation();
    }
}

void Form1::ouvrir(Dialogues::Fenetre fenetre)
{
    m_dialogues->afficher(fenetre);
    activation();
}

// The choice made there acts as a click on the service's option button.
void Form1::comparer()
{
    std::array<GrilleTarif, 3> grilles = m_grilles;
    for (GrilleTarif &g : grilles)
        g.MiseAJour = Tarifs::miseAJour(g.Service, m_dialogues->fichiers());
    const auto choisi = std::find_if(std::begin(TousLesServices), std::end(TousLesServices),
                                     [this](ServiceExpedition s) { return option(s)->isChecked(); });
    Form7 fenetre(comparerServices(m_totalGrammes, grilles, m_dialogues->symbole(), *choisi, QDate::currentDate()),
                  this);
    if (fenetre.exec() == QDialog::Accepted)
        option(fenetre.serviceChoisi())->setChecked(true);
}

void Form1::changementCompte(int ligne)
{
    const QString compte = caseCompte(ligne)->text();
    m_pesee.majLigne(ligne, compte);
    colorerTexte(m_legendes.at(std::size_t(ligne - 1)),
                 ligneComptee(compte) ? Couleurs::Rouge : palette().color(QPalette::ButtonText));
    Total_Grammes();
}

void Form1::Total_Grammes(bool bipAuDela)
{
    m_totalGrammes = m_pesee.total();
    m_total->setText(texteTotal(m_totalGrammes));
    clicOption(ServiceExpedition::TarifEcopli, bipAuDela);
    clicOption(ServiceExpedition::TarifNormal, bipAuDela);
    clicOption(ServiceExpedition::TarifCEE, bipAuDela);
}

void Form1::clicOption(ServiceExpedition service, bool bipAuDela)
{
    if (!option(service)->isChecked())
        return;
    const Affranchissement a
        = affranchissement(m_totalGrammes, m_grilles.at(std::size_t(service)), m_dialogues->symbole());
    m_prix->setText(a.texte);
    m_prixAuDela = a.bip;
    if (a.bip && bipAuDela)
        Bip::sonner();
}

void Form1::clicLegende(int ligne, Qt::MouseButton bouton)
{
    if (bouton != Qt::LeftButton && bouton != Qt::RightButton && bouton != Qt::MiddleButton)
        return;
    ChampSaisie *b = caseCompte(ligne);
    if (bouton != Qt::MiddleButton) {
        if (b->text().isEmpty())
            b->definirTexte(QStringLiteral("0"));
        if (const auto n = nombreFrancais(b->text()))
            b->definirTexte(nombreCourt(*n + (bouton == Qt::LeftButton ? 1 : -1)));
    }
    const auto n = nombreFrancais(b->text());
    if (!n || *n == 0 || *n == -1)
        b->definirTexte(QString());
}

void Form1::ecrireLegendeFenetre() { setWindowTitle(legendeHorloge(QDateTime::currentDateTime())); }

void Form1::activation()
{
    const bool dejaAuDela = m_prixAuDela;
    for (const CatalogueElements::Entree &entree : CatalogueElements::entrees())
        m_pesee.setPoidsUnitaire(entree.numero, m_dialogues->poids(entree.numero));
    const auto copierPrix = [this](ServiceExpedition service) {
        GrilleTarif &g = m_grilles.at(std::size_t(service));
        for (int tranche = 1; tranche <= g.Tranches.size(); ++tranche)
            g.Tranches[tranche - 1].Prix = m_dialogues->prix(service, tranche);
        if (!g.CleReserve.isEmpty())
            g.ValeurReserve = m_dialogues->valeurReserve();
    };
    for (const ServiceExpedition service : TousLesServices)
        copierPrix(service);
    ecrireLegendeFenetre();

    // What the window shows must match the counts and the settings now in
    // force, not the unit weights and the price of before. It beeps only
    // when new settings push the total beyond the last bracket: closing a
    // window that changed nothing stays silent.
    Comptes comptes;
    for (int ligne = 1; ligne <= NombreLignes; ++ligne)
        comptes.at(std::size_t(ligne - 1)) = caseCompte(ligne)->text();
    m_pesee.recalculer(comptes);
    Total_Grammes(!dejaAuDela);
}

void Form1::raz()
{
    for (ChampSaisie *b : m_cases)
        b->definirTexte(QString());
    option(ServiceExpedition::TarifNormal)->setChecked(true);
    caseCompte(1)->setFocus();
}
