#undef QT_NO_CAST_FROM_ASCII

#include "dialogs/dialogues.h"
#include "dialogs/echecenregistrement.h"
#include "main_window/form1.h"
#include "main_window/traductions.h"
#include "settings/fichiersini.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The texts that Qt itself puts before the user, with Qt's French catalogue
// loaded as the program loads it.
class TestFrancais : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuContextuel_data();
    void menuContextuel();
    void boutonsDesMessages_data();
    void boutonsDesMessages();
    void messageDEchec();

private:
    QTemporaryDir m_dossier;
    std::unique_ptr<Form1> m_form1;
};

namespace {

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
}

void TestFrancais::menuContextuel_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("champ");
    QTest::newRow("Form1, case de compte") << "Form1" << "Text1";
    QTest::newRow("Form1, grammes en plus") << "Form1" << "Text26";
    QTest::newRow("Form2, poids") << "Form2" << "Text5";
    QTest::newRow("Form3, prix") << "Form3" << "Text1";
    QTest::newRow("Form3, symbole") << "Form3" << "Text8";
}

void TestFrancais::menuContextuel()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, champ);
    // Reading a setting loads its dialog hidden, as the main window does.
    m_form1->dialogues().poids(1);
    m_form1->dialogues().prix(ServiceExpedition::TarifNormal, 1);
    QWidget *w = fenetre == "Form1" ? m_form1.get() : m_form1->findChild<QWidget *>(fenetre);
    QVERIFY(w);
    auto *boite = w->findChild<QLineEdit *>(champ);
    QVERIFY(boite);
    const std::unique_ptr<QMenu> menu(boite->createStandardContextMenu());
    QCOMPARE(entrees(*menu), QStringList({"Annuler", "Rétablir", "Couper", "Copier", "Coller",
                                          "Supprimer", "Tout sélectionner"}));
}

void TestFrancais::boutonsDesMessages_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("bouton");
    QTest::addColumn<QString>("texte");
    QTest::newRow("OK") << QMessageBox::Ok << "OK";
    QTest::newRow("Annuler") << QMessageBox::Cancel << "Annuler";
    QTest::newRow("Fermer") << QMessageBox::Close << "Fermer";
    QTest::newRow("Oui") << QMessageBox::Yes << "Oui";
    QTest::newRow("Non") << QMessageBox::No << "Non";
}

void TestFrancais::boutonsDesMessages()
{
    QFETCH(QMessageBox::StandardButton, bouton);
    QFETCH(QString, texte);
    QMessageBox boite(QMessageBox::Warning, "Ambrelot", "?", bouton);
    QCOMPARE(boite.button(bouton)->text().remove(u'&'), texte);
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

QTEST_MAIN(TestFrancais)
#include "tst_francais.moc"
