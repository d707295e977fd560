// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// la ligne « Calcul tapé » de la saisie : la légende, la ligne où le joueur tape tout son calcul, et dessous
// ce qu'elle en lit ou pourquoi elle ne peut pas ; les règles sont celles de la saisie
class LigneCalculTape : public QWidget {
    Q_OBJECT
public:
    // largeur : celle de la fenêtre, qui fixe les lignes de la lecture
    LigneCalculTape(int largeur, QWidget* parent);

    QLineEdit* Ligne() const { return ligne_; }
    QLabel* Lecture() const { return lecture_; }
    QString Texte() const;
    void MontrerLecture(const std::string& lecture);

private:
    QLineEdit* ligne_;
    QLabel* lecture_;
};
