#include "dialogs/form7.h"

#include "commun/construction.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <iterator>

namespace {

constexpr int HauteurLigne = 300;

struct Colonne
{
    const char16_t *titre;
    int largeur;  // twips
    QString ServiceCompare::*texte;
};

const Colonne Colonnes[] = {
    {u"Prix", 1200, &ServiceCompare::prix},
    {u"Tranche", 1500, &ServiceCompare::tranche},
    {u"Marge", 1575, &ServiceCompare::marge},
    {u"Tranche suivante", 1875, &ServiceCompare::suivante},
    {u"Prix du", 1650, &ServiceCompare::prixDu},
};

} // namespace

Form7::Form7(const Comparaison &comparaison, QWidget *parent) : QDialog(parent)
{
    preparerFenetre(this, QStringLiteral("Form7"), 9570, 2685, false);
    setWindowTitle(QStringLiteral("Comparer les services"));
    const QFont gras = policeSansSerif(8.25, true);

    QLabel *total = creerLabel(this, QStringLiteral("Label1"),
                               QStringLiteral("Poids total : ") + comparaison.total + QStringLiteral(" Grammes"),
                               twips(120, 120, 4215, 255), gras);
    total->setAccessibleName(total->text());

    m_tableau = new QTableWidget(int(comparaison.services.size()), int(std::size(Colonnes)), this);
    m_tableau->setObjectName(QStringLiteral("Grid1"));
    m_tableau->setAccessibleName(QStringLiteral("Services comparés"));
    m_tableau->setGeometry(twips(120, 480, 9330, 1230));
    // The headers too: the desktop may give them a font of their own.
    for (QWidget *w : {static_cast<QWidget *>(m_tableau), static_cast<QWidget *>(m_tableau->horizontalHeader()),
                       static_cast<QWidget *>(m_tableau->verticalHeader())})
        w->setFont(policeSansSerif(8.25, false));
    m_tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableau->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the buttons; the arrows move between the rows.
    m_tableau->setTabKeyNavigation(false);
    m_tableau->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tableau->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QHeaderView *entete : {m_tableau->horizontalHeader(), m_tableau->verticalHeader()})
        entete->setSectionResizeMode(QHeaderView::Fixed);
    m_tableau->horizontalHeader()->setFixedHeight(pixels(HauteurLigne));
    m_tableau->horizontalHeader()->setStretchLastSection(true);
    m_tableau->verticalHeader()->setMinimumSectionSize(pixels(HauteurLigne));
    m_tableau->verticalHeader()->setDefaultSectionSize(pixels(HauteurLigne));
    m_tableau->verticalHeader()->setFixedWidth(pixels(1500));

    for (int c = 0; c < int(std::size(Colonnes)); ++c) {
        m_tableau->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf16(Colonnes[c].titre)));
        m_tableau->setColumnWidth(c, pixels(Colonnes[c].largeur));
    }
    for (const ServiceExpedition service : TousLesServices) {
        const int ligne = int(service);
        const ServiceCompare &s = comparaison.services.at(std::size_t(service));
        m_tableau->setVerticalHeaderItem(ligne, new QTableWidgetItem(Tarifs::grille(service).Nom));
        for (int c = 0; c < int(std::size(Colonnes)); ++c)
            m_tableau->setItem(ligne, c, new QTableWidgetItem(s.*Colonnes[c].texte));
        if (s.moinsCher)
            m_tableau->item(ligne, 0)->setFont(gras);
    }
    m_tableau->setCurrentCell(int(comparaison.choisi), 0);

    // A red line at most per grid, the lines used from the top.
    for (int i = 0; i < int(comparaison.services.size()); ++i) {
        const QString texte = comparaison.avertissements.value(i);
        QLabel *l = creerLabel(this, QStringLiteral("Label%1").arg(i + 2), texte,
                               twips(120, 1830 + 240 * i, 5700, 255), gras);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Couleurs::Rouge);
        l->setPalette(p);
        l->setAccessibleName(texte);
        l->setVisible(!texte.isEmpty());
    }

    QPushButton *choisir = creerBouton(this, QStringLiteral("Command1"), QStringLiteral("&Choisir"),
                                       twips(6660, 2190, 1335, 375));
    QPushButton *fermer = creerBouton(this, QStringLiteral("Command2"), QStringLiteral("&Fermer"),
                                      twips(8115, 2190, 1335, 375));
    choisir->setAccessibleName(QStringLiteral("Choisir"));
    fermer->setAccessibleName(QStringLiteral("Fermer"));
    // Unlike the settings dialogs' buttons, these take Enter as any dialog's
    // do: it chooses, but on "Fermer", which it presses.
    for (QPushButton *b : {choisir, fermer})
        b->setAutoDefault(true);
    choisir->setDefault(true);
    connect(choisir, &QPushButton::clicked, this, &QDialog::accept);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tableau, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    // Created before the buttons, the table comes first in the Tab order.
    m_tableau->setFocus();
}

ServiceExpedition Form7::serviceChoisi() const
{
    return ServiceExpedition(m_tableau->currentRow());
}
