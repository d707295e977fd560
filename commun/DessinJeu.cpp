// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DessinJeu.h"

#include "ImagesVarnel.h"

#include <QPainter>

namespace {

// l'image d'un caractère d'un texte de solution ; -1 pour ce qui ne se dessine pas
int ImageCaractere(char c)
{
    if (c >= '0' && c <= '9')
        return ImageChiffre0 + (c - '0');
    switch (c) {
    case '+': return ImagePlus;
    case '-': return ImageMoins;
    case '*': return ImageFois;
    case '/': return ImageDivise;
    case '=': return ImageEgal;
    default: return -1;
    }
}

}  // namespace

void DessinerBandePlaques(QPainter& peintre, int largeur, int hauteur, const std::array<int32_t, 6>& plaques,
                          const std::array<bool, 6>& cachees, const std::function<int(int)>& gaucheCase)
{
    const QColor bordeaux(128, 0, 0);
    peintre.setPen(bordeaux);
    peintre.setBrush(bordeaux);
    peintre.drawRect(0, 0, largeur, hauteur);
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<size_t>(i);
        if (!cachees[k] && plaques[k] != 0)
            ImagesJeu().Dessiner(peintre, gaucheCase(i), 1, ImagePlaque(plaques[k]));
    }
}

void DessinerCompte(QPainter& peintre, int32_t but)
{
    if (but < 0 || but > 999)
        return;
    ImagesAfficheur().Dessiner(peintre, 0, 0, but / 100);
    ImagesAfficheur().Dessiner(peintre, 16, 0, but / 10 % 10);
    ImagesAfficheur().Dessiner(peintre, 32, 0, but % 10);
}

void DessinerSolution(QPainter& peintre, const std::string& texte, uint32_t masquePlaques,
                      const std::function<int(int)>& gaucheCase)
{
    for (int i = 0; i < 6; ++i)
        if (masquePlaques & (1u << i))
            ImagesJeu().Dessiner(peintre, gaucheCase(i), 100, ImageFois);
    // les figures, 20 pixels l'une de l'autre
    int ligne = 0, colonne = 0;
    for (char c : texte) {
        if (c == '\n') {
            ++ligne;
            colonne = 0;
            continue;
        }
        const int image = ImageCaractere(c);
        if (image < 0)
            continue;
        ImagesJeu().Dessiner(peintre, colonne * 20, 148 + ligne * 32, image);
        ++colonne;
    }
}
