#include "main_window/form1.h"

#include "commun/apparence.h"
#include "commun/champsaisie.h"
#include "commun/construction.h"
#include "dialogs/dialogues.h"
#include "calculs/comparaison.h"
#include "dialogs/form7.h"
#include "main_window/aidesurvol.h"
#include "main_window/horloge.h"
#include "main_window/images.h"
#include "settings/fichiersini.h"

#include <QApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace DessinForm1;

namespace {

QString texte(const char16_t *t)
{
    return QString::fromUtf16(t);
}

// The general help text, for the window background, the result frame and
// most count boxes.
QString Phrase()
{
    return QStringLiteral("Inscrivez le nombre d'éléments qui compose votre expédition");
}

// The design's label colours: on the desktop's button face, in its button
// text unless told otherwise; transparent labels show what lies behind.
void peindre(QLabel *label, const QPalette &systeme, std::optional<QColor> texte, bool opaque)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, texte.value_or(systeme.color(QPalette::ButtonText)));
    p.setColor(QPalette::Window, systeme.color(QPalette::Button));
    label->setPalette(p);
    label->setAutoFillBackground(opaque);
}

} // namespace

Form1::Form1(const FichiersIni &fichiers, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint),
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
    fond->setFixedSize(pixels(9030), pixels(6555));
    setCentralWidget(fond);
    m_aides->ajouter(fond, Phrase);
    std::array<QGroupBox *, NombreCadres> groupes{};
    for (int i = 0; i < NombreCadres; ++i) {
        const CadreDessin &c = cadres().at(std::size_t(i));
        groupes.at(std::size_t(i)) = creerCadre(fond, texte(c.nom), texte(c.titre), c.geometrie, c.couleurTitre,
                                                   Style::Immediat);
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
    horloge->setInterval(100);
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
        const int rang = ++rangs.at(std::size_t(d.cadre));
        const int haut = d.cadre == Frame6 ? 240 : 360 * rang;
        const int gaucheCase = d.cadre == Frame1 || d.cadre == Frame2 ? 1320 : 2040;

        QLabel *l = creerLabel(g, texte(d.label), texte(d.legende), twips(120, haut, d.largeur, 255), police);
        peindre(l, palette(), std::nullopt, true);
        l->installEventFilter(this);
        m_legendes.at(std::size_t(ligne - 1)) = l;

        // The extra grams take a decimal comma; a count that a click takes
        // past the limit stands whole.
        const bool grammes = entree.forme == CatalogueElements::Forme::Grammes;
        ChampSaisie *b = creerChamp(g, QStringLiteral("Text%1").arg(ligne),
                                    grammes ? ChampSaisie::Admis::ChiffresEtVirgule : ChampSaisie::Admis::Chiffres,
                                    grammes ? 6 : 3, twips(gaucheCase, haut, 735, 285), police, Qt::AlignCenter,
                                    texte(d.legende));
        m_cases.at(std::size_t(ligne - 1)) = b;
        connect(b, &QLineEdit::textChanged, this, [this, ligne] { changementCompte(ligne); });

        if (grammes) {
            m_aides->ajouter(l, [b] {
                const QString grammes = b->text().isEmpty() ? QStringLiteral("0") : b->text();
                return QStringLiteral("Inscrivez en grammes le poids que vous désirez ajouter. (Actuellement ")
                    + grammes + QStringLiteral(" Grammes)");
            });
            m_aides->ajouter(b, [] { return QStringLiteral("Inscrivez en grammes le poids que vous désirez ajouter"); });
            continue;
        }
        m_aides->ajouter(l, [this, ligne, d] {
            return texte(d.prefixeAide) + m_dialogues->poids(ligne) + texte(d.suffixeAide);
        });
        if (ligne == 1)
            m_aides->ajouter(b, [] { return QStringLiteral("Entré ici le nombre d'envellopes composant votre envoi"); });
        else
            m_aides->ajouter(b, Phrase);
    }
}

void Form1::construireResultat(QGroupBox *cadre)
{
    const QFont gras975 = policeSansSerif(9.75, true);
    m_total = creerLabel(cadre, QStringLiteral("Label3"), QStringLiteral("0"), twips(240, 840, 855, 255), gras975,
                         Qt::AlignHCenter);
    peindre(m_total, palette(), Couleurs::Bleu, true);
    QLabel *unite = creerLabel(cadre, QStringLiteral("Label4"), QStringLiteral("Grammes"),
                               twips(120, 1080, 1095, 255), gras975);
    peindre(unite, palette(), std::nullopt, true);
    auto *timbre = new Timbre(cadre);
    timbre->setObjectName(QStringLiteral("Image1"));
    timbre->setGeometry(twips(1680, 120, 1215, 1575));
    // Created after the stamp so that it is drawn above it.
    m_prix = creerLabel(cadre, QStringLiteral("Label5"), QStringLiteral("0,00 €"), twips(1830, 240, 870, 255),
                        gras975, Qt::AlignRight);
    peindre(m_prix, palette(), Couleurs::Blanc, false);

    const auto aidePoids = [this] {
        return QStringLiteral("Poids Actuel de votre envoi ") + u'(' + m_total->text() + QStringLiteral(" Grammes)");
    };
    const auto aidePrix = [this] {
        return QStringLiteral("Ici est affiché le montant qui compose votre expédition (Atuellement ")
            + m_prix->text() + u')';
    };
    m_aides->ajouter(m_total, aidePoids);
    m_aides->ajouter(unite, aidePoids);
    m_aides->ajouter(m_prix, aidePrix);
    m_aides->ajouter(timbre, aidePrix);
}

void Form1::construireOptions(QGroupBox *cadre)
{
    static const char16_t *const legendes[] = {u"Expédition France Rapide", u"Expédition France Ecopli",
                                               u"Expédition vers UE ( Zone1)"};
    static const char16_t *const aides[] = {u"Expédition en France Rapide", u"Expédition en France Ecopli (Tarif Lent)",
                                            u"Expédition en UE (l'Union Européenne)"};
    for (const ServiceExpedition service : TousLesServices) {
        const auto i = std::size_t(service);
        auto *o = new QRadioButton(texte(legendes[i]), cadre);
        o->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        o->setGeometry(twips(120, 360 * int(i + 1), 2775, 255));
        o->setFont(policeSansSerif(8.25, true));
        m_options.at(i) = o;
        m_aides->ajouter(o, [aide = texte(aides[i])] { return aide; });
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
    QLabel *aide = creerLabel(fond, QStringLiteral("Label27"), QStringLiteral("Bienvenu dans Ambrelot"),
                              twips(240, 6120, 8655, 375), policeSansSerif(8.25, true));
    aide->setWordWrap(true);
    peindre(aide, palette(), Couleurs::Rouge, false);
    m_aides->setLigne(aide);
    const QFont grand = policeSansSerif(24, false);
    QLabel *nom = creerLabel(fond, QStringLiteral("Label31"), QStringLiteral("Ambrelot"),
                             twips(5880, 5040, 3135, 735), grand);
    peindre(nom, palette(), Couleurs::Blanc, false);
    // Created after Label31 so that the dark name lies above its white edge.
    QLabel *ombre = creerLabel(fond, QStringLiteral("Label32"), QStringLiteral("Ambrelot"),
                               twips(5835, 5070, 3135, 735), grand);
    peindre(ombre, palette(), palette().color(QPalette::WindowText), false);
    for (QWidget *sansAide : {static_cast<QWidget *>(aide), static_cast<QWidget *>(nom), static_cast<QWidget *>(ombre)})
        m_aides->ajouter(sansAide);
}

void Form1::ordreTabulation()
{
    QWidget *precedent = caseCompte(1);
    for (int ligne = 2; ligne <= NombreLignes; ++ligne) {
        setTabOrder(precedent, caseCompte(ligne));
        precedent = caseCompte(ligne);
    }
    for (QRadioButton *o : m_options) {
        setTabOrder(precedent, o);
        precedent = o;
    }
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
        QAction *a = fichier->addAction(icone(texte(e.image)), texte(e.legende));
        a->setObjectName(texte(e.nom));
        a->setShortcut(e.raccourci);
        raccourcis.append(a->shortcut());
        if (e.fenetre)
            connect(a, &QAction::triggered, this, [this, f = *e.fenetre] { ouvrir(f); });
        else
            connect(a, &QAction::triggered, qApp, &QCoreApplication::quit);
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

bool Form1::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::MouseButtonRelease) {
        const auto legende = std::find(m_legendes.begin(), m_legendes.end(), objet);
        if (legende != m_legendes.end())
            clicLegende(int(legende - m_legendes.begin()) + 1, static_cast<QMouseEvent *>(evenement)->button());
    }
    return QMainWindow::eventFilter(objet, evenement);
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
    QLabel *l = m_legendes.at(std::size_t(ligne - 1));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, ligneComptee(compte) ? Couleurs::Rouge : palette().color(QPalette::ButtonText));
    l->setPalette(p);
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
    const Affranchissement a =
        affranchissement(m_totalGrammes, m_grilles.at(std::size_t(service)), m_dialogues->symbole());
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

void Form1::ecrireLegendeFenetre()
{
    setWindowTitle(legendeHorloge(QDateTime::currentDateTime()));
}

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
    m_totalGrammes = Decimal4();
    m_total->setText(QStringLiteral("0"));
    caseCompte(1)->setFocus();
}
