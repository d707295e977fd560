// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResumeJour.h"

#include <QDialog>

class QLabel;
class QPushButton;

// « Jeu du jour » : la petite boîte après un jeu du jour. Le résultat qui compte ce jour-là, les jours de suite
// en cours et le plus qu'il y en a eu ; « Copier le résultat » met dans le presse-papiers le texte à partager, qui ne dit ni les
// plaques, ni le compte, ni la solution
class TfrmResumeJour : public QDialog {
    Q_OBJECT
public:
    TfrmResumeJour(const ResumeJour& resume, QWidget* parent = nullptr);

    // les lignes montrées, dans l'ordre
    QStringList Lignes() const;
    QPushButton* BoutonCopier() const { return ButtonCopier; }

public slots:
    void ButtonCopierClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QString texteAPartager_;
    QList<QLabel*> lignes_;
    QLabel* LabelCopie = nullptr;
    QPushButton* ButtonCopier = nullptr;
    QPushButton* ButtonFermer = nullptr;
};
