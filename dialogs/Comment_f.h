// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Plaques.h"

#include <QDialog>

#include <cstdint>

class QPlainTextEdit;
class QPushButton;

// « Comment l'aurais-je trouvé ? » : ce que les seules plaques laissaient voir du compte, puis la solution la
// plus simple et sa méthode. Elle montre une solution : la fenêtre principale ne l'ouvre qu'une fois la
// saisie du joueur finie
class TfrmComment : public QDialog {
    Q_OBJECT
public:
    TfrmComment(const SixEntiers& plaques, int32_t but, QWidget* parent = nullptr);

    QString Texte() const;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    // un texte à lire d'un bout à l'autre, au clavier comme au lecteur d'écran : il a le focus
    QPlainTextEdit* MemoComment = nullptr;
    QPushButton* ButtonFermer = nullptr;
};
