// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QMargins>

class QTextBrowser;

// la fenêtre « Aide du Varnel » : la page d'aide lue par le programme lui-même, quand le bureau
// ne sait pas l'ouvrir (système sans navigateur) ; ses liens internes y restent
class TfrmAide : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAide(const QString& page, QWidget* parent = nullptr);

    QTextBrowser* Navigateur() const { return navigateur_; }

protected:
    void moveEvent(QMoveEvent* evenement) override;

private:
    void CreerNavigateur(const QString& page);
    void CreerBoutons();
    void Dimensionner();
    void Placer(const QMargins& bords);
    // la fenêtre du parent, à côté de laquelle l'aide se place ; nulle sans parent
    const QWidget* FenetrePrincipale() const;

    QTextBrowser* navigateur_ = nullptr;
    bool cadreVerifie_ = false;
};

// la commande « Aide » : la page par le bureau, sinon dans la fenêtre d'aide (une seule, réutilisée) ;
// une page introuvable est signalée ; la page est cherchée depuis le dossier du programme
void OuvrirAide(QWidget* parent);
void OuvrirAide(QWidget* parent, const QString& dossierProgramme);
