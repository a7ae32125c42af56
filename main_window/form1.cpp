#include "main_window/form1.h"

#include "dialogs/champsaisie.h"
#include "dialogs/dialogues.h"
#include "main_window/apparence.h"
#include "main_window/clavier.h"
#include "main_window/horloge.h"
#include "settings/fichiersini.h"

#include <QApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>

namespace {

enum Cadre { Frame1, Frame2, Frame3, Frame8, Frame7, Frame4, Frame5, Frame6, NombreCadres };

struct CadreDessin
{
    const char16_t *nom;
    const char16_t *titre;
    QRect geometrie;
    QColor couleurTitre;
};

const std::array<CadreDessin, NombreCadres> &cadres()
{
    static const std::array<CadreDessin, NombreCadres> table{{
        {u"Frame1", u"Enveloppes Simples", twips(120, 120, 2295, 1935), Couleurs::Bleu},
        {u"Frame2", u"Enveloppes Matelasées", twips(120, 2280, 2295, 3735), Couleurs::Bleu},
        {u"Frame3", u"Feuilles", twips(2640, 120, 3015, 2295), Couleurs::Bleu},
        {u"Frame8", u"Résultat", twips(2640, 2520, 3015, 1815), Couleurs::Rouge},
        {u"Frame7", u"Choix d'expédition", twips(2640, 4440, 3015, 1575), Couleurs::Bleu},
        {u"Frame4", u"Supports Informatiques", twips(5880, 120, 3015, 2295), Couleurs::Bleu},
        {u"Frame5", u"Photos", twips(5880, 2520, 3015, 1215), Couleurs::Bleu},
        {u"Frame6", u"Poids Supplémentaire", twips(5880, 3840, 3015, 735), Couleurs::Bleu},
    }};
    return table;
}

// One item line, in line order (line n counts with Text<n>). The help line
// over its caption label reads prefix + unit weight + suffix.
struct LigneDessin
{
    Cadre cadre;
    const char16_t *label;
    const char16_t *legende;
    int largeur;   // twips
    const char16_t *prefixeAide;
    const char16_t *suffixeAide;
};

constexpr const char16_t *Grammes = u" Grammes";
constexpr const char16_t *Matelassee =
    u"Enveloppe en craft blanc ou brun qualité 90g/M². Protection à matelas film polyéthylène à bulles d'air. "
    u"Poids ";
constexpr const char16_t *Photo = u"Photo  24-36 agrandie sur papier. Poids ";

const std::array<LigneDessin, NombreLignes> &lignes()
{
    static const std::array<LigneDessin, NombreLignes> table{{
        {Frame1, u"Label6", u"114 x 162", 975,
         u"Enveloppe Blanche courante de type autocollante (Format C6). Poids ", Grammes},
        {Frame1, u"Label7", u"110 x 220", 975,
         u"Enveloppe Blanche courante de type autocollante (Format DL). Poids ", Grammes},
        {Frame1, u"Label8", u"162 x 229", 975, u"Enveloppe Blanche ou brune (Format C5). Poids ", Grammes},
        {Frame1, u"Label9", u"229 x 324", 975,
         u"Enveloppe Blanche ou brune pour feuille au format A4 (Foramt C4). Poids ", Grammes},
        {Frame2, u"Label13", u"130 x 170", 975, Matelassee, Grammes},
        {Frame2, u"Label12", u"145 x 230", 975, Matelassee, Grammes},
        {Frame2, u"Label11", u"160 x 220", 975, Matelassee, Grammes},
        {Frame2, u"Label10", u"170 x 230", 975, Matelassee, Grammes},
        {Frame2, u"Label17", u"200 x 270", 975, Matelassee, Grammes},
        {Frame2, u"Label16", u"250 x 270", 975, Matelassee, Grammes},
        {Frame2, u"Label15", u"240 x 280", 975, Matelassee, Grammes},
        {Frame2, u"Label14", u"260 x 340", 975, Matelassee, Grammes},
        {Frame2, u"Label18", u"280 x 370", 975, Matelassee, Grammes},
        {Frame3, u"Label20", u"210 x 297 mm (A4)", 1815,
         u"Feuille de format A4 de qualité 80g. Courament utilisée pour les photocopie et les imprimantes. Poids ",
         Grammes},
        {Frame3, u"Label19", u"297 x 420 mm (A3)", 1815,
         u"Feuille de format A3 de qualité 80g. Courament utilisée pour les photocopie et les imprimantes. Poids ",
         Grammes},
        {Frame3, u"Label2", u"Courrier", 1695,
         u"Feuille légère 180 x 210 mm de courrier ou d'ordonnance de médecin. Poids ", Grammes},
        {Frame3, u"Label1", u"Remb Sec. Sociale", 1815,
         u"Feuille double de remboursement Sécurité Sociale n° 60-3777. Poids ", u" Grammes (sans vignettes)"},
        {Frame3, u"Label21", u"Déclaration d'Impôts", 1815,
         u"Feuille double de déclaration simplifiée d'Impôt sur le revenu. Poids ", Grammes},
        {Frame4, u"Label23", u"Disquette 3p 1/2", 1695,
         u"Disquette Informatique au format 3 Pouces 1/2. Poids moyen ", Grammes},
        {Frame4, u"Label24", u"Disquette 5p 1/4", 1815,
         u"Disquette Informatique au format 5 Pouces 1/4 protégé par une enveloppe en papier. Poids moyen ",
         Grammes},
        {Frame4, u"Label25", u"CD ROM seul", 1695,
         u"CD ROM ou CD AUDIO diamètre 12 cms sans protection. Poids ", Grammes},
        {Frame4, u"Label26", u"CD ROM Etuit Carton", 1815,
         u"CD ROM ou CD AUDIO diamètre 12 cms en étuit Carton style CD ROM de magazine. Poids ", Grammes},
        {Frame4, u"Label22", u"CD ROM Boite Plast.", 1815,
         u"CD ROM ou CD AUDIO diamètre 12 cms dans une boite plastique transparente. Poids ", Grammes},
        {Frame5, u"Label30", u"Photo 100 x 150 mm", 1935, Photo, Grammes},
        {Frame5, u"Label29", u"Photo 130 x 190 mm", 1815, Photo, Grammes},
        // The extra-grams line quotes its own box, not a unit weight.
        {Frame6, u"Label28", u"Poids supp en Grs", 1935, nullptr, nullptr},
    }};
    return table;
}

QString texte(const char16_t *t)
{
    return QString::fromUtf16(t);
}

constexpr int LigneGrammes = 26;

int limiteCompte(int ligne)
{
    return ligne == LigneGrammes ? 6 : 3;
}

// The line (1 to 26) of the control `objet` among `controles`, 0 for none.
template<typename Controle>
int ligneDe(const QObject *objet, const std::array<Controle *, NombreLignes> &controles)
{
    const auto trouve = std::find(controles.begin(), controles.end(), objet);
    return trouve == controles.end() ? 0 : int(trouve - controles.begin()) + 1;
}

// The digits and the codes 8 to 13 everywhere, the comma in the extra grams.
bool caractereAdmis(int ligne, int code)
{
    return (code >= '0' && code <= '9') || (code >= 8 && code <= 13) || (code == ',' && ligne == LigneGrammes);
}

// Discards the character a key press types unless its box admits it, with the beep.
bool toucheRefusee(int ligne, const QKeyEvent &touche)
{
    const std::optional<int> code = codeCaractere(touche);
    if (!code || caractereAdmis(ligne, *code))
        return false;
    Bip::sonner();
    return true;
}

QPixmap dessin(const QString &chemin, QSize taille)
{
    QPixmap image(taille);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(chemin);
    QPainter peintre(&image);
    rendu.render(&peintre);
    return image;
}

// The stamp, drawn from its SVG into its box at the screen's own scale: a
// fixed bitmap stretched over the box would blur at a scale factor of 2.
class Timbre : public QWidget
{
public:
    explicit Timbre(QWidget *parent) : QWidget(parent), m_rendu(QStringLiteral(":/images/timbre.svg")) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        m_rendu.render(&peintre, QRectF(rect()));
    }

private:
    QSvgRenderer m_rendu;
};

QIcon icone(const QString &chemin)
{
    QIcon i;
    // 64 for screens at a scale factor of 2.
    for (const int taille : {16, 32, 64})
        i.addPixmap(dessin(chemin, QSize(taille, taille)));
    return i;
}

const QString StyleMenus = QStringLiteral(
    "QMenuBar { background-color: rgb(224,224,224); color: black; }"
    "QMenuBar::item { background: transparent; padding: 2px 6px; border: 1px solid transparent; }"
    "QMenuBar::item:selected, QMenuBar::item:pressed {"
    " background-color: rgb(192,192,255); border: 1px solid rgb(128,128,255); color: white; }"
    "QMenu { background-color: white; border: 1px solid white; }"
    "QMenu::item { background-color: rgb(192,192,255); color: black;"
    " padding: 3px 24px 3px 28px; border: 1px solid rgb(192,192,255); }"
    "QMenu::item:selected { background-color: rgb(192,192,255); border: 1px solid rgb(128,128,255); color: white; }"
    "QMenu::item:disabled { background-color: rgb(192,192,255); border: 1px solid rgb(128,128,255);"
    " color: rgb(224,224,224); }"
    "QMenu::icon { padding-left: 4px; }"
    "QMenu::separator { height: 1px; background: rgb(128,128,255); margin: 2px 0px; }");

const QList<QKeySequence> &raccourcisMenus()
{
    static const QList<QKeySequence> raccourcis{
        QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_R),
        QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_C),
        QKeySequence(Qt::CTRL | Qt::Key_Q)};
    return raccourcis;
}

// The general help text, for the window background, the result frame and
// most count boxes.
QString Phrase()
{
    return QStringLiteral("Inscrivez le nombre d'éléments qui compose votre expédition");
}

} // namespace

Form1::Form1(const FichiersIni &fichiers, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint),
      m_dialogues(std::make_unique<Dialogues>(fichiers, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ambrelot"));
    setWindowIcon(icone(QStringLiteral(":/images/enveloppe.svg")));
    for (const ServiceExpedition service : TousLesServices)
        m_grilles.at(std::size_t(service)) = Tarifs::grille(service);

    construireControles();
    construireMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_horloge = new QTimer(this);
    m_horloge->setObjectName(QStringLiteral("Timer1"));
    m_horloge->setInterval(100);
    connect(m_horloge, &QTimer::timeout, this, &Form1::ecrireLegendeFenetre);
    m_horloge->start();

    if (const QScreen *ecran = screen()) {
        const QSize taille = sizeHint();
        move(ecran->availableGeometry().center() - QPoint(taille.width() / 2, taille.height() / 2));
    }
    caseCompte(1)->setFocus();
}

Form1::~Form1() = default;

void Form1::construireControles()
{
    auto *fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("fond"));
    fond->setFixedSize(pixels(9030), pixels(6555));
    setCentralWidget(fond);

    const QPalette systeme = palette();
    const QFont gras825 = policeSansSerif(8.25, true);
    const QFont gras975 = policeSansSerif(9.75, true);

    // Labels use the button face and button text of the desktop.
    const auto peindre = [&systeme](QWidget *w, std::optional<QColor> texte, bool opaque) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, texte.value_or(systeme.color(QPalette::ButtonText)));
        p.setColor(QPalette::Window, systeme.color(QPalette::Button));
        w->setPalette(p);
        w->setAutoFillBackground(opaque);
    };
    const auto etiquette = [&](QWidget *parent, const QString &nom, const QString &legende, const QRect &g,
                               const QFont &police, Qt::Alignment alignement) {
        auto *l = new QLabel(legende, parent);
        l->setObjectName(nom);
        l->setGeometry(g);
        l->setFont(police);
        l->setAlignment(alignement | Qt::AlignTop);
        return l;
    };

    std::array<QGroupBox *, NombreCadres> groupes{};
    for (int i = 0; i < NombreCadres; ++i) {
        const CadreDessin &c = cadres().at(std::size_t(i));
        auto *g = new QGroupBox(texte(c.titre), fond);
        g->setObjectName(texte(c.nom));
        g->setGeometry(c.geometrie);
        g->setFont(gras825);
        g->setStyleSheet(styleCadre(g->objectName(), c.couleurTitre));
        groupes.at(std::size_t(i)) = g;
        if (i != Frame8)
            m_aides[g] = nullptr;
    }

    std::array<int, NombreCadres> rangs{};
    for (int ligne = 1; ligne <= NombreLignes; ++ligne) {
        const LigneDessin &d = lignes().at(std::size_t(ligne - 1));
        QGroupBox *g = groupes.at(std::size_t(d.cadre));
        const int rang = ++rangs.at(std::size_t(d.cadre));
        const int haut = d.cadre == Frame6 ? 240 : 360 * rang;
        const int gaucheCase = d.cadre == Frame1 || d.cadre == Frame2 ? 1320 : 2040;

        QLabel *l = etiquette(g, texte(d.label), texte(d.legende), twips(120, haut, d.largeur, 255), gras825,
                              Qt::AlignLeft);
        peindre(l, std::nullopt, true);
        m_legendes.at(std::size_t(ligne - 1)) = l;

        // A count that a click takes past the limit stands whole, and typing
        // or pasting adds nothing to it.
        auto *b = new ChampSaisie(limiteCompte(ligne), g);
        b->setObjectName(QStringLiteral("Text%1").arg(ligne));
        b->setGeometry(twips(gaucheCase, haut, 735, 285));
        b->setFont(gras825);
        b->setAlignment(Qt::AlignCenter);
        // A screen reader names the box by what it counts.
        b->setAccessibleName(texte(d.legende));
        m_cases.at(std::size_t(ligne - 1)) = b;
        connect(b, &QLineEdit::textChanged, this, [this, ligne] { changementCompte(ligne); });

        if (ligne == LigneGrammes) {
            m_aides[l] = [b] {
                const QString grammes = b->text().isEmpty() ? QStringLiteral("0") : b->text();
                return QStringLiteral("Inscrivez en grammes le poids que vous désirez ajouter. (Actuellement ")
                    + grammes + QStringLiteral(" Grammes)");
            };
        } else {
            m_aides[l] = [this, ligne, d] {
                return texte(d.prefixeAide) + m_dialogues->poids(ligne) + texte(d.suffixeAide);
            };
        }
        if (ligne == 1)
            m_aides[b] = [] { return QStringLiteral("Entré ici le nombre d'envellopes composant votre envoi"); };
        else if (ligne == LigneGrammes)
            m_aides[b] = [] { return QStringLiteral("Inscrivez en grammes le poids que vous désirez ajouter"); };
        else
            m_aides[b] = [] { return Phrase(); };
    }

    QGroupBox *resultat = groupes.at(Frame8);
    m_aides[resultat] = [] { return Phrase(); };
    m_total = etiquette(resultat, QStringLiteral("Label3"), QStringLiteral("0"), twips(240, 840, 855, 255), gras975,
                        Qt::AlignHCenter);
    peindre(m_total, Couleurs::Bleu, true);
    QLabel *unite = etiquette(resultat, QStringLiteral("Label4"), QStringLiteral("Grammes"),
                              twips(120, 1080, 1095, 255), gras975, Qt::AlignLeft);
    peindre(unite, std::nullopt, true);
    auto *timbre = new Timbre(resultat);
    timbre->setObjectName(QStringLiteral("Image1"));
    timbre->setGeometry(twips(1680, 120, 1215, 1575));
    // Created after the stamp so that it is drawn above it.
    m_prix = etiquette(resultat, QStringLiteral("Label5"), QStringLiteral("0,00 €"), twips(1830, 240, 870, 255),
                       gras975, Qt::AlignRight);
    peindre(m_prix, Couleurs::Blanc, false);
    const auto aidePoids = [this] {
        return QStringLiteral("Poids Actuel de votre envoi ") + u'(' + m_total->text() + QStringLiteral(" Grammes)");
    };
    const auto aidePrix = [this] {
        return QStringLiteral("Ici est affiché le montant qui compose votre expédition (Atuellement ")
            + m_prix->text() + u')';
    };
    m_aides[m_total] = aidePoids;
    m_aides[unite] = aidePoids;
    m_aides[m_prix] = aidePrix;
    m_aides[timbre] = aidePrix;

    static const char16_t *const legendesOptions[] = {u"Expédition France Rapide", u"Expédition France Ecopli",
                                                      u"Expédition vers UE ( Zone1)"};
    static const char16_t *const aidesOptions[] = {u"Expédition en France Rapide",
                                                   u"Expédition en France Ecopli (Tarif Lent)",
                                                   u"Expédition en UE (l'Union Européenne)"};
    for (int i = 0; i < 3; ++i) {
        auto *o = new QRadioButton(texte(legendesOptions[i]), groupes.at(Frame7));
        o->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        o->setGeometry(twips(120, 360 * (i + 1), 2775, 255));
        o->setFont(gras825);
        m_options.at(std::size_t(i)) = o;
        const QString aide = texte(aidesOptions[i]);
        m_aides[o] = [aide] { return aide; };
        // Selected before the handler is connected: pricing now would load
        // the France Rapide dialog ahead of the first activation.
        o->setChecked(i == 0);
        connect(o, &QRadioButton::toggled, this, [this, i](bool choisie) {
            if (choisie)
                clicOption(i + 1);
        });
    }

    m_aide = etiquette(fond, QStringLiteral("Label27"), QStringLiteral("Bienvenu dans Ambrelot"),
                       twips(240, 6120, 8655, 375), gras825, Qt::AlignLeft);
    m_aide->setWordWrap(true);
    peindre(m_aide, Couleurs::Rouge, false);
    const QFont grand = policeSansSerif(24, false);
    QLabel *nom = etiquette(fond, QStringLiteral("Label31"), QStringLiteral("Ambrelot"),
                            twips(5880, 5040, 3135, 735), grand, Qt::AlignLeft);
    peindre(nom, Couleurs::Blanc, false);
    // Created after Label31 so that the dark name lies above its white edge.
    QLabel *ombre = etiquette(fond, QStringLiteral("Label32"), QStringLiteral("Ambrelot"),
                              twips(5835, 5070, 3135, 735), grand, Qt::AlignLeft);
    peindre(ombre, systeme.color(QPalette::WindowText), false);
    m_aides[m_aide] = nullptr;
    m_aides[nom] = nullptr;
    m_aides[ombre] = nullptr;
    m_aides[fond] = [] { return Phrase(); };

    QWidget *precedent = caseCompte(1);
    for (int ligne = 2; ligne <= NombreLignes; ++ligne) {
        setTabOrder(precedent, caseCompte(ligne));
        precedent = caseCompte(ligne);
    }
    for (QRadioButton *o : m_options) {
        setTabOrder(precedent, o);
        precedent = o;
    }

    // Every control answers the pointer itself: one without a help text
    // keeps the help line as it is instead of handing the move to what lies
    // behind it.
    for (auto &[objet, aide] : m_aides) {
        auto *w = const_cast<QWidget *>(static_cast<const QWidget *>(objet));
        w->setMouseTracking(true);
        w->setAttribute(Qt::WA_NoMousePropagation);
        w->installEventFilter(this);
    }
}

void Form1::construireMenus()
{
    QMenuBar *barre = menuBar();
    barre->setStyleSheet(StyleMenus);
    const QFont police = policeSansSerif(8.25, false);
    barre->setFont(police);

    QMenu *fichier = barre->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("MnuFichier"));
    fichier->setFont(police);
    const auto entree = [this, fichier](const QString &nom, const QString &legende, const QKeySequence &raccourci,
                                        std::optional<Dialogues::Fenetre> fenetre) {
        QAction *a = fichier->addAction(legende);
        a->setObjectName(nom);
        a->setShortcut(raccourci);
        if (fenetre) {
            connect(a, &QAction::triggered, this, [this, f = *fenetre] {
                m_dialogues->afficher(f);
                activation();
            });
        }
        return a;
    };
    const auto separateur = [fichier](const QString &nom) { fichier->addSeparator()->setObjectName(nom); };

    QAction *parametres = entree(QStringLiteral("MnuParamètres"), QStringLiteral("&Poids des Eléments"),
                                 raccourcisMenus()[0], Dialogues::Fenetre::Poids);
    separateur(QStringLiteral("MnuBar1"));
    QAction *normale = entree(QStringLiteral("MnuTarifNormale"), QStringLiteral("Tarif France &Rapide"),
                              raccourcisMenus()[1], Dialogues::Fenetre::TarifNormal);
    QAction *ecopli = entree(QStringLiteral("MnuEcopli"), QStringLiteral("Tarif France &Ecopli"),
                             raccourcisMenus()[2], Dialogues::Fenetre::TarifEcopli);
    QAction *cee = entree(QStringLiteral("MnuTarifCEE"), QStringLiteral("Tarif Vers UE"), raccourcisMenus()[3],
                          Dialogues::Fenetre::TarifCEE);
    separateur(QStringLiteral("MnuBar2"));
    QAction *quitter = entree(QStringLiteral("MnuQuitter"), QStringLiteral("&Quitter"), raccourcisMenus()[4],
                              std::nullopt);
    // Nothing to save: the counts are never kept and the settings are saved
    // by their dialogs only.
    connect(quitter, &QAction::triggered, qApp, &QCoreApplication::quit);

    QAction *raz = barre->addAction(QStringLiteral("&RAZ"));
    raz->setObjectName(QStringLiteral("MnuRaz"));
    connect(raz, &QAction::triggered, this, &Form1::raz);
    QAction *aPropos = barre->addAction(QStringLiteral("&A Propos de"));
    aPropos->setObjectName(QStringLiteral("MnuAPropos"));
    connect(aPropos, &QAction::triggered, this, [this] {
        m_dialogues->afficher(Dialogues::Fenetre::APropos);
        activation();
    });

    // The image list, indexed from 1, and the order in which the entries get
    // their pictures.
    const QStringList icoXP{QStringLiteral(":/images/poids.svg"), QStringLiteral(":/images/te.svg"),
                            QStringLiteral(":/images/tce.svg"), QStringLiteral(":/images/tr.svg"),
                            QStringLiteral(":/images/croix.svg")};
    const std::pair<QAction *, int> icones[] = {{parametres, 1}, {normale, 4}, {ecopli, 2}, {cee, 3}, {quitter, 5}};
    for (const auto &[action, index] : icones)
        action->setIcon(icone(icoXP.at(index - 1)));
}

bool Form1::eventFilter(QObject *objet, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto aide = m_aides.find(objet);
        if (aide != m_aides.end() && aide->second)
            m_aide->setText(aide->second());
        break;
    }
    case QEvent::MouseButtonRelease:
        if (const int ligne = ligneDe(objet, m_legendes))
            clicLegende(ligne, static_cast<QMouseEvent *>(event)->button());
        break;
    case QEvent::ShortcutOverride:
        // A count box would take Ctrl+C (copy) and Ctrl+E (end of line) for
        // itself; the menu's shortcuts come first.
        if (raccourcisMenus().contains(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (const int ligne = ligneDe(objet, m_cases))
            return toucheRefusee(ligne, *static_cast<QKeyEvent *>(event));
        break;
    case QEvent::InputMethod:
        if (const int ligne = ligneDe(objet, m_cases))
            filtrerComposition(*static_cast<QInputMethodEvent *>(event),
                               [ligne](int code) { return caractereAdmis(ligne, code); });
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(objet, event);
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_dejaActivee) {
        m_dejaActivee = true;
        activation();
    }
}

void Form1::ecrireCompte(int ligne, const QString &texte)
{
    caseCompte(ligne)->definirTexte(texte);
}

void Form1::changementCompte(int ligne)
{
    const QString compte = caseCompte(ligne)->text();
    m_pesee.majLigne(ligne, compte);
    QLabel *l = legendeLigne(ligne);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, ligneComptee(compte) ? Couleurs::Rouge : palette().color(QPalette::ButtonText));
    l->setPalette(p);
    Total_Grammes();
}

void Form1::Total_Grammes(bool bipAuDela)
{
    m_total->setText(texteTotal(m_pesee.total()));
    clicOption(2, bipAuDela);
    clicOption(1, bipAuDela);
    clicOption(3, bipAuDela);
}

void Form1::clicOption(int option, bool bipAuDela)
{
    if (!m_options.at(std::size_t(option - 1))->isChecked())
        return;
    static constexpr ServiceExpedition services[] = {ServiceExpedition::TarifNormal, ServiceExpedition::TarifEcopli,
                                                     ServiceExpedition::TarifCEE};
    const GrilleTarif &grille = m_grilles.at(std::size_t(services[option - 1]));
    const Affranchissement a =
        affranchissement(Decimal4::depuisTexte(m_total->text()), grille, m_dialogues->symbole());
    m_prix->setText(a.texte);
    m_prixAuDela = a.bip;
    if (a.bip && bipAuDela)
        Bip::sonner();
}

void Form1::clicLegende(int ligne, Qt::MouseButton bouton)
{
    if (bouton != Qt::LeftButton && bouton != Qt::RightButton && bouton != Qt::MiddleButton)
        return;
    QLineEdit *b = caseCompte(ligne);
    if (bouton != Qt::MiddleButton) {
        if (b->text().isEmpty())
            ecrireCompte(ligne, QStringLiteral("0"));
        if (const auto n = nombreFrancais(b->text()))
            ecrireCompte(ligne, nombreCourt(*n + (bouton == Qt::LeftButton ? 1 : -1)));
    }
    const auto n = nombreFrancais(b->text());
    if (!n || *n == 0 || *n == -1)
        ecrireCompte(ligne, QString());
}

void Form1::ecrireLegendeFenetre()
{
    setWindowTitle(legendeHorloge(QDateTime::currentDateTime()));
}

void Form1::activation()
{
    const bool dejaAuDela = m_prixAuDela;
    for (int entree = 1; entree <= 25; ++entree)
        m_pesee.setPoidsUnitaire(entree, m_dialogues->poids(entree));
    const auto copierPrix = [this](ServiceExpedition service) {
        GrilleTarif &g = m_grilles.at(std::size_t(service));
        for (int tranche = 1; tranche <= g.Tranches.size(); ++tranche)
            g.Tranches[tranche - 1].Prix = m_dialogues->prix(service, tranche);
    };
    copierPrix(ServiceExpedition::TarifNormal);
    m_prix->setText(prixNul(SymboleMonetaire::lire(m_dialogues->fichiers())));
    copierPrix(ServiceExpedition::TarifEcopli);
    copierPrix(ServiceExpedition::TarifCEE);
    m_grilles.at(std::size_t(ServiceExpedition::TarifCEE)).ValeurReserve = m_dialogues->valeurReserve();
    m_pesee.setPoidsUnitaire(26, m_dialogues->poids(26));
    ecrireLegendeFenetre();

    // What the window shows must match the counts and the settings now in
    // force, not the unit weights and the price of before. It beeps only
    // when new settings push the total beyond the last bracket: closing a
    // window that changed nothing stays silent.
    std::array<QString, NombreLignes> comptes;
    for (int ligne = 1; ligne <= NombreLignes; ++ligne)
        comptes.at(std::size_t(ligne - 1)) = caseCompte(ligne)->text();
    m_pesee.recalculer(comptes);
    Total_Grammes(!dejaAuDela);
}

void Form1::raz()
{
    for (int ligne = 1; ligne <= NombreLignes; ++ligne)
        ecrireCompte(ligne, QString());
    m_options[0]->setChecked(true);
    m_total->setText(QStringLiteral("0"));
    caseCompte(1)->setFocus();
}
