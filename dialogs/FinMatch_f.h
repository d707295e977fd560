// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinMatch.h"

#include <QDialog>

class QLabel;

// « Fin du match » : les adversaires, les deux totaux, chaque tirage sur sa ligne et le vainqueur
class TfrmFinMatch : public QDialog {
    Q_OBJECT
public:
    TfrmFinMatch(const TextesFinMatch& textes, QWidget* parent = nullptr);

    // les lignes montrées, dans l'ordre
    QStringList Lignes() const;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QList<QLabel*> lignes_;
};
