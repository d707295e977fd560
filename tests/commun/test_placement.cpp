// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// le cadre de la fenêtre d'aide : à côté de la fenêtre principale quand l'écran le permet, toujours entier
// dans la zone libre de l'écran, jamais plus grand qu'elle
#include "PlacementFenetre.h"

#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void cadreACote_data()
    {
        QTest::addColumn<QRect>("parent");
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QMargins>("bords");
        QTest::addColumn<QRect>("libre");
        QTest::addColumn<QRect>("attendu");
        const QMargins openbox(1, 20, 1, 1);
        const QRect ecran1024(0, 0, 1024, 768);
        // cadre principal 5,143 de 319 × 389 : l'aide tient à droite (324 + 642 = 966 ≤ 1024), et descend
        // de 143 à 95 pour que ses 673 pixels de haut tiennent dans les 768 de l'écran
        QTest::newRow("1024 × 768, à droite") << QRect(5, 143, 319, 389) << QSize(640, 652) << openbox << ecran1024
                                              << QRect(324, 95, 642, 673);
        // trop large pour la place à droite : contre le bord droit de l'écran
        QTest::newRow("800 × 600, contre le bord") << QRect(5, 143, 319, 389) << QSize(640, 510) << openbox
                                                   << QRect(0, 0, 800, 600) << QRect(158, 69, 642, 531);
        // plus grande que la zone libre (barre des tâches en haut, de 30 pixels) : réduite à elle
        QTest::newRow("plus grande que l'écran") << QRect(5, 143, 319, 389) << QSize(2000, 2000) << openbox
                                                 << QRect(0, 30, 1024, 738) << QRect(0, 30, 1024, 738);
        // une fenêtre principale au-dessus du haut de la zone libre : la barre de titre reste à l'écran
        QTest::newRow("parent trop haut") << QRect(100, -50, 319, 389) << QSize(500, 400) << openbox
                                          << ecran1024 << QRect(419, 0, 502, 421);
        // sans gestionnaire de fenêtres : pas de bords
        QTest::newRow("sans cadre") << QRect(0, 0, 317, 368) << QSize(640, 652) << QMargins() << ecran1024
                                    << QRect(317, 0, 640, 652);
    }
    void cadreACote()
    {
        QFETCH(QRect, parent);
        QFETCH(QSize, voulue);
        QFETCH(QMargins, bords);
        QFETCH(QRect, libre);
        QFETCH(QRect, attendu);
        const QRect cadre = CadreACote(parent, voulue, bords, libre);
        QCOMPARE(cadre, attendu);
        QVERIFY(libre.contains(cadre));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "test_placement.moc"
