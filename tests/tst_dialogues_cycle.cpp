// When the dialogs are loaded and unloaded, as the main window and the files
// see it, and the About box.

// Expected texts are spelt as plain UTF-8 literals.
#undef QT_NO_CAST_FROM_ASCII

#include "outils.h"

#include <QGroupBox>
#include <QLabel>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

using Fenetre = Dialogues::Fenetre;

struct Cible
{
    Fenetre fenetre;
    QString nom;
    FichierIni fichier;
    QString section;
    QString cle;
    std::function<QString(Dialogues &)> lire;  // reads the field that cle feeds
};

const QList<Cible> &cibles()
{
    static const QList<Cible> toutes = {
        {Fenetre::Poids, "Form2", FichierIni::PoidsElements, "Env229", "Envellope229",
         [](Dialogues &d) { return d.poids(4); }},
        {Fenetre::TarifNormal, "Form3", FichierIni::TarifNormal, "Tarification", "TarifN3000Gr",
         [](Dialogues &d) { return d.prix(ServiceExpedition::TarifNormal, 8); }},
        {Fenetre::TarifEcopli, "Form4", FichierIni::TarifEcopli, "TarificationEcopli",
         "TarifE20Gr", [](Dialogues &d) { return d.prix(ServiceExpedition::TarifEcopli, 1); }},
        {Fenetre::TarifCEE, "Form5", FichierIni::TarifCEE, "Tarification", "TarifCEE1500Gr",
         [](Dialogues &d) { return d.prix(ServiceExpedition::TarifCEE, 7); }},
    };
    return toutes;
}

void poser(const Banc &banc, const Cible &c, const QString &valeur)
{
    banc.ecrireFichier(c.fichier, "[" + c.section + "]\r\n" + c.cle + "=" + valeur + "\r\n");
}

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

} // namespace

class TestCycleDialogues : public QObject
{
    Q_OBJECT

private slots:
    void lectureChargeCache_data()
    {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < cibles().size(); ++i)
            QTest::newRow(qPrintable(cibles().at(i).nom)) << i;
    }
    void lectureChargeCache()
    {
        QFETCH(int, indice);
        const Cible &c = cibles().at(indice);
        Banc banc;
        poser(banc, c, "3,5");
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("3,5"));
        QDialog *d = banc.dialogue(c.nom);
        QVERIFY(d);
        QVERIFY(!d->isVisible());
        for (const Cible &autre : cibles())
            QCOMPARE(banc.dialogues.estCharge(autre.fenetre), autre.nom == c.nom);
    }

    // An activation reads the dialogs in this order; each file is read once,
    // when its dialog loads, and a loaded dialog reads nothing more.
    void ordreDesLectures()
    {
        Banc banc;
        for (const Cible &c : cibles())
            poser(banc, c, "1");
        OuverturesFichiers ouvertures(banc.dossier.path());
        for (int fois = 0; fois < 2; ++fois) {
            Dialogues &d = banc.dialogues;
            for (int n = 1; n <= 25; ++n)
                d.poids(n);
            for (int t = 1; t <= 8; ++t)
                d.prix(ServiceExpedition::TarifNormal, t);
            d.symbole();
            for (int t = 1; t <= 4; ++t)
                d.prix(ServiceExpedition::TarifEcopli, t);
            for (int t = 1; t <= 7; ++t)
                d.prix(ServiceExpedition::TarifCEE, t);
            d.valeurReserve();
            QCOMPARE(d.poids(26), QStringLiteral("0"));
            const QStringList attendu = fois == 0
                ? QStringList{"PoidsElements.ini", "TarifNormal.ini", "TarifEcopli.ini",
                              "TarifCEE.ini"}
                : QStringList{};
            QCOMPARE(ouvertures.lues(), attendu);
        }
    }

    void chaqueFermetureDecharge_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("fermeture");
        for (int i = 0; i < cibles().size(); ++i) {
            for (const char *f : {"Command1", "Command2", "Échap", "croix"})
                QTest::addRow("%s, %s", qPrintable(cibles().at(i).nom), f) << i << QString::fromUtf8(f);
        }
    }
    void chaqueFermetureDecharge()
    {
        QFETCH(int, indice);
        QFETCH(QString, fermeture);
        const Cible &c = cibles().at(indice);
        Banc banc;
        poser(banc, c, "1");
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("1"));

        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            if (fermeture.startsWith(u"Command"))
                cliquer(d, fermeture);
            else if (fermeture == u"Échap")
                QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
            else
                d->close();
        });
        QVERIFY(!banc.dialogues.estCharge(c.fenetre));
        QVERIFY(!banc.dialogue(c.nom));

        // The next read loads it again from its file.
        poser(banc, c, "2");
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("2"));
        QVERIFY(banc.dialogue(c.nom));
        QVERIFY(!banc.dialogue(c.nom)->isVisible());
    }

    // A dialog already loaded is shown as it stands: its file is not read again.
    void afficherSansRecharger()
    {
        Banc banc;
        const Cible &c = cibles().at(0);
        poser(banc, c, "1");
        c.lire(banc.dialogues);
        poser(banc, c, "2");
        QString vu;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            vu = champ(d, "Text4")->text();
            champ(d, "Text4")->setText("9");
            cliquer(d, "Command2");
        });
        QCOMPARE(vu, QStringLiteral("1"));
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("2"));
    }

    void annonceAvantAffichage()
    {
        Banc banc;
        QList<Fenetre> annonces;
        bool dejaModal = true;
        connect(&banc.dialogues, &Dialogues::affiche, this, [&](Dialogues::Fenetre f) {
            annonces << f;
            dejaModal = QApplication::activeModalWidget() != nullptr;
        });
        afficherPuis(banc.dialogues, Fenetre::TarifEcopli, [](QDialog *d) { d->reject(); });
        QCOMPARE(annonces, QList<Fenetre>{Fenetre::TarifEcopli});
        QVERIFY(!dejaModal);
    }

    void centreSurLaFenetrePrincipale_data()
    {
        QTest::addColumn<Fenetre>("fenetre");
        QTest::newRow("Form2") << Fenetre::Poids;
        QTest::newRow("Form3") << Fenetre::TarifNormal;
        QTest::newRow("Form4") << Fenetre::TarifEcopli;
        QTest::newRow("Form5") << Fenetre::TarifCEE;
        QTest::newRow("Form6") << Fenetre::APropos;
    }
    void centreSurLaFenetrePrincipale()
    {
        QFETCH(Fenetre, fenetre);
        Banc banc;
        // Within the offscreen screen (800 x 600), where nothing pushes the dialog aside.
        banc.principale.setGeometry(40, 30, 700, 500);
        QPoint centre;
        afficherPuis(banc.dialogues, fenetre, [&](QDialog *d) {
            centre = d->geometry().center();
            d->reject();
        });
        const QPoint ecart = centre - banc.principale.geometry().center();
        QVERIFY2(ecart.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("écart %1, %2").arg(ecart.x()).arg(ecart.y())));
    }

    void aProposSeFermeAuClic_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::newRow("marge de la fenêtre") << "Form6";
        QTest::newRow("cadre") << "Frame1";
        QTest::newRow("titre") << "Label2";
        QTest::newRow("version") << "Label3";
        QTest::newRow("notice") << "Label4";
        QTest::newRow("relief hors du titre") << "Label1";
    }
    void aProposSeFermeAuClic()
    {
        QFETCH(QString, surface);
        Banc banc;
        for (int fois = 0; fois < 2; ++fois) {
            QString legende, version, notice;
            bool ferme = false;
            afficherPuis(banc.dialogues, Fenetre::APropos, [&](QDialog *d) {
                legende = d->windowTitle();
                version = d->findChild<QLabel *>("Label3")->text();
                notice = d->findChild<QLabel *>("Label4")->text();
                QPoint point;
                if (surface == u"Form6") {
                    point = QPoint(d->width() - 3, d->height() / 2);
                } else if (surface == u"Frame1") {
                    point = d->findChild<QGroupBox *>("Frame1")->geometry().topLeft() + QPoint(6, 60);
                } else {
                    QLabel *l = d->findChild<QLabel *>(surface);
                    // Label1 shows only along the title's lower right edge.
                    const QPoint local = surface == u"Label1" ? QPoint(l->width() - 1, l->height() - 1)
                                                              : l->rect().center();
                    point = l->mapTo(d, local);
                }
                QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {}, point);
                ferme = !d->isVisible();
            });
            QVERIFY(ferme);
            QVERIFY(!banc.dialogues.estCharge(Fenetre::APropos));
            QVERIFY(!banc.dialogue("Form6"));
            QCOMPARE(legende, QStringLiteral("A Propos de l'Application"));
            QCOMPARE(version, QStringLiteral("Version 3.0.0"));
            QVERIFY(!notice.isEmpty());
        }
    }

    void aProposEchapFerme()
    {
        Banc banc;
        afficherPuis(banc.dialogues, Fenetre::APropos,
                     [](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(!banc.dialogue("Form6"));
    }
};

QTEST_MAIN(TestCycleDialogues)
#include "tst_dialogues_cycle.moc"
