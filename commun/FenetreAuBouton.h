// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QToolButton;

// fenêtre non modale liée à un bouton bascule de la barre d'outils : le bouton enfoncé l'ouvre, relevé la
// ferme ; elle refuse toute autre fermeture (Échap, Alt+F4) et n'a pas de case de fermeture
class FenetreAuBouton : public QDialog {
public:
    // boutonEnfonce : l'état du bouton, lu à chaque demande de fermeture
    FenetreAuBouton(std::function<bool()> boutonEnfonce, QWidget* parent);

    bool FormCloseQuery() const { return !boutonEnfonce_ || !boutonEnfonce_(); }

protected:
    // remplit la fenêtre à chaque ouverture (pas quand elle revient d'une icône)
    virtual void FormShow() = 0;
    // « Note : pour fermer cette fenêtre, appuyer sur le bouton » suivi de l'image du bouton, passée
    // à la ligne si elle ne tient pas dans la largeur de la note
    static void MettreEnPageNote(QLabel* note, QLabel* image, const QString& glyphe);

    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void reject() override;

private:
    std::function<bool()> boutonEnfonce_;
};

// relève le bouton et ferme sa fenêtre si elle est ouverte : la fenêtre principale se ferme, ou le bouton
// cesse d'être permis
void ReleverBouton(QToolButton* bouton);
template <typename Fenetre>
void ReleverBoutonEtFermer(std::unique_ptr<Fenetre>& fenetre, QToolButton* bouton)
{
    ReleverBouton(bouton);
    if (fenetre) {
        fenetre->close();
        fenetre.reset();
    }
}

// la fenêtre d'un bouton bascule : créée et montrée bouton enfoncé, fermée et détruite bouton relevé ;
// la fenêtre principale garde le clavier et ses raccourcis
bool BoutonBasculeEnfonce(const QToolButton* bouton);
// ouverte au clavier (le menu, son raccourci), la fenêtre prend le focus : le lecteur d'écran la lit ; d'un
// clic sur son bouton, le focus reste à la fenêtre principale
void MontrerAuBouton(QDialog& fenetre, const QToolButton* bouton);
template <typename Fenetre, typename Creer>
void BasculerFenetre(std::unique_ptr<Fenetre>& fenetre, QToolButton* bouton, Creer creer)
{
    if (!BoutonBasculeEnfonce(bouton)) {
        ReleverBoutonEtFermer(fenetre, bouton);
        return;
    }
    if (fenetre)
        return;
    fenetre = creer();
    MontrerAuBouton(*fenetre, bouton);
}
