// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// la boîte « À propos » nomme la licence du programme, lisible en entier dans la boîte
#include "Apropos_f.h"
#include "Environnement.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class TestLicence : public QObject {
    Q_OBJECT
private slots:
    void aProposNommeLaLicence()
    {
        TfrmAPropos boite;
        boite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boite));
        const auto* licence = boite.findChild<QLabel*>("LabelLicence");
        QVERIFY(licence);
        QCOMPARE(licence->text(), QString("Logiciel libre, licence GNU GPL 3 ou ultérieure"));
        QVERIFY(licence->isVisible());
        // ni coupée par le bord de la boîte, ni par la largeur du libellé, ni posée sur un autre
        QVERIFY(boite.rect().contains(licence->geometry()));
        QVERIFY(licence->fontMetrics().horizontalAdvance(licence->text()) <= licence->width());
        for (const auto* autre : boite.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (autre != licence && autre->isVisible())
                QVERIFY2(!autre->geometry().intersects(licence->geometry()), qPrintable(autre->objectName()));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestLicence test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_licence.moc"
