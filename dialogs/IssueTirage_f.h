// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IssueTirage.h"

#include <QDialog>

class QLabel;

// « Match : jeu 2/5 » : la boîte qui suit chaque tirage d'un match. Les deux camps côte à côte (le calcul du
// joueur et celui de l'ordinateur, ou les preuves à deux, ce que chacun a annoncé et ses points), puis ce que
// l'ordinateur a dit du jeu et où en est le match
class TfrmIssueTirage : public QDialog {
    Q_OBJECT
public:
    TfrmIssueTirage(const IssueTirage& issue, QWidget* parent = nullptr);

    // tous les textes, dans l'ordre de lecture : chaque camp (nom, calcul, résultat), puis le reste
    QStringList Lignes() const;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QLabel* Etiquette(const QString& nom, const std::string& texte);

    QList<QLabel*> lignes_;
};
