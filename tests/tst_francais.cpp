// What the user reads and hears besides the program's own texts: Qt's
// French catalogue as the program loads it, and the accessible name of
// every box.

#undef QT_NO_CAST_FROM_ASCII

#include "dialogs/dialogues.h"
#include "dialogs/echecenregistrement.h"
#include "main_window/form1.h"
#include "main_window/traductions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class TestFrancais : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuContextuel_data();
    void menuContextuel();
    void messageDEchec();
    void nomDuChamp_data();
    void nomDuChamp();
    void chaqueChampVisibleANom_data();
    void chaqueChampVisibleANom();

private:
    QWidget *fenetre(const QString &nom) const
    {
        return nom == "Form1" ? static_cast<QWidget *>(m_form1.get()) : m_form1->findChild<QWidget *>(nom);
    }

    QTemporaryDir m_dossier;
    std::unique_ptr<Form1> m_form1;
};

namespace {

QString nomAccessible(QWidget *w)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(w);
    return interface ? interface->text(QAccessible::Name) : QString();
}

// What a menu shows, without access-key marks and shortcut columns.
QStringList entrees(const QMenu &menu)
{
    QStringList textes;
    for (const QAction *a : menu.actions()) {
        if (!a->isSeparator())
            textes << a->text().remove(u'&').section(u'\t', 0, 0);
    }
    return textes;
}

} // namespace

void TestFrancais::initTestCase()
{
    QVERIFY2(installerTraductionsQt(*qApp), "qtbase_fr absent (paquet qt6-translations-l10n)");
    m_form1 = std::make_unique<Form1>(FichiersIni(m_dossier.path()));
    m_form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form1.get()));
    // The first activation loads the four settings dialogs, hidden.
    QVERIFY(m_form1->findChild<QWidget *>("Form5"));
}

void TestFrancais::menuContextuel_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("champ");
    QTest::newRow("Form1, case de compte") << "Form1" << "Text1";
    QTest::newRow("Form3, symbole") << "Form3" << "Text8";
}

void TestFrancais::menuContextuel()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, champ);
    auto *boite = this->fenetre(fenetre)->findChild<QLineEdit *>(champ);
    QVERIFY(boite);
    const std::unique_ptr<QMenu> menu(boite->createStandardContextMenu());
    QCOMPARE(entrees(*menu), QStringList({"Annuler", "Rétablir", "Couper", "Copier", "Coller",
                                          "Supprimer", "Tout sélectionner"}));
}

// The one message box of the program: a save that failed.
void TestFrancais::messageDEchec()
{
    QStringList boutons;
    QString titre;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        titre = boite->windowTitle();
        for (QAbstractButton *b : boite->buttons())
            boutons << b->text().remove(u'&');
        boite->accept();
    });
    signalerEchecEnregistrement(m_form1.get(), "Les tarifs n'ont pas été enregistrés.", "raison");
    QCOMPARE(titre, QStringLiteral("Enregistrement impossible"));
    QCOMPARE(boutons, QStringList{"OK"});
}

void TestFrancais::nomDuChamp_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("nom");

    const QStringList form1 = {
        "114 x 162", "110 x 220", "162 x 229", "229 x 324", "130 x 170", "145 x 230", "160 x 220",
        "170 x 230", "200 x 270", "250 x 270", "240 x 280", "260 x 340", "280 x 370",
        "210 x 297 mm (A4)", "297 x 420 mm (A3)", "Courrier", "Remb Sec. Sociale",
        "Déclaration d'Impôts", "Disquette 3p 1/2", "Disquette 5p 1/4", "CD ROM seul",
        "CD ROM Etuit Carton", "CD ROM Boite Plast.", "Photo 100 x 150 mm", "Photo 130 x 190 mm",
        "Poids supp en Grs"};
    for (int n = 1; n <= form1.size(); ++n)
        QTest::addRow("Form1 Text%d", n) << "Form1" << QString("Text%1").arg(n) << form1.at(n - 1);

    QTest::newRow("Form2 Text1") << "Form2" << "Text1" << "114 x 162";
    QTest::newRow("Form2 Text18") << "Form2" << "Text18" << "Déclaration d'Impôt";
    QTest::newRow("Form2 Text21") << "Form2" << "Text21" << "CD ROM nu";
    QTest::newRow("Form2 Text24") << "Form2" << "Text24" << "Photo 150 x 100 mm";

    QTest::newRow("Form3 Text1") << "Form3" << "Text1" << "Poids jusqu'à 20 Grs";
    QTest::newRow("Form3 Text9") << "Form3" << "Text9" << "Poids jusqu'à 250 Grs";
    QTest::newRow("Form3 Text4") << "Form3" << "Text4" << "Poids jusqu'à 500 Grs";
    QTest::newRow("Form3 Text7") << "Form3" << "Text7" << "Poids jusqu'à 3000 Grs";
    QTest::newRow("Form3 Text8") << "Form3" << "Text8" << "Symbole Monétaire";
    QTest::newRow("Form4 Text1") << "Form4" << "Text1" << "Poids jusq'à 20 Grs";
    QTest::newRow("Form4 Text4") << "Form4" << "Text4" << "Poids jusq'à 250 Grs";
    QTest::newRow("Form4 Text5") << "Form4" << "Text5" << "Symbole Monétaire";
    QTest::newRow("Form5 Text3") << "Form5" << "Text3" << "Poids jusq'à 100 Grs";
    QTest::newRow("Form5 Text7") << "Form5" << "Text7" << "Poids jusq'à 2000 Grs";
    QTest::newRow("Form5 Text9") << "Form5" << "Text9" << "Symbole Monétaire";
}

void TestFrancais::nomDuChamp()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, champ);
    QFETCH(QString, nom);
    QWidget *f = this->fenetre(fenetre);
    QVERIFY(f);
    auto *boite = f->findChild<QLineEdit *>(champ);
    QVERIFY(boite);
    QCOMPARE(nomAccessible(boite), nom);
}

void TestFrancais::chaqueChampVisibleANom_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<int>("champs");
    QTest::newRow("Form1") << "Form1" << 26;
    QTest::newRow("Form2") << "Form2" << 25;
    QTest::newRow("Form3") << "Form3" << 9;
    QTest::newRow("Form4") << "Form4" << 5;
    QTest::newRow("Form5") << "Form5" << 8;
}

void TestFrancais::chaqueChampVisibleANom()
{
    QFETCH(QString, fenetre);
    QFETCH(int, champs);
    QWidget *f = this->fenetre(fenetre);
    QVERIFY(f);
    QStringList sansNom;
    int visibles = 0;
    for (QLineEdit *boite : f->findChildren<QLineEdit *>()) {
        if (!boite->isVisibleTo(f))
            continue;
        ++visibles;
        if (nomAccessible(boite).isEmpty())
            sansNom << boite->objectName();
    }
    QCOMPARE(visibles, champs);
    QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(", ")));
}

QTEST_MAIN(TestFrancais)
#include "tst_francais.moc"
