// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DessinJeu.h"

#include "ImagesVarnel.h"
#include "PasAPas.h"

#include <QPainter>

#include <algorithm>

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

// un nombre écrit en figures réduites au milieu d'une face de 32 pixels : plus il a de chiffres, plus elles
// sont petites ; une figure n'occupe que le milieu de sa case (de 0,25 à 0,65 de sa largeur), les cases se
// chevauchent donc pour que les figures se suivent
void DessinerNombreSurFace(QPainter& peintre, int x, int y, int32_t valeur)
{
    const std::string chiffres = std::to_string(valeur);
    const int n = static_cast<int>(chiffres.size());
    const double pas = std::min(11.0, 28.0 / n);
    const int cote = static_cast<int>(pas * 2.1);
    const double gauche = x + 16 - 0.45 * cote - pas * (n - 1) / 2;
    for (int k = 0; k < n; ++k)
        ChiffresReduits(cote).Dessiner(peintre, static_cast<int>(gauche + k * pas), y + 16 - cote / 2,
                                       chiffres[static_cast<size_t>(k)] - '0');
}

// une ligne de solution en figures, 20 pixels l'une de l'autre, la ligne n sous le bandeau
void DessinerLigneFigures(QPainter& peintre, const std::string& ligne, int n)
{
    int colonne = 0;
    for (char c : ligne) {
        const int image = ImageCaractere(c);
        if (image < 0)
            continue;
        ImagesJeu().Dessiner(peintre, colonne * 20, 148 + n * 32, image);
        ++colonne;
    }
}

// un texte de solution en figures, une ligne d'opération tous les 32 pixels
void DessinerLignesFigures(QPainter& peintre, const std::string& texte)
{
    size_t debut = 0;
    for (int n = 0; debut < texte.size(); ++n) {
        const size_t fin = std::min(texte.find('\n', debut), texte.size());
        DessinerLigneFigures(peintre, texte.substr(debut, fin - debut), n);
        debut = fin + 1;
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
    DessinerLignesFigures(peintre, texte);
}

void DessinerBandePasAPas(QPainter& peintre, int largeur, int hauteur, const EtatPasAPas& etat,
                          const std::function<int(int)>& gaucheCase)
{
    DessinerBandePlaques(peintre, largeur, hauteur, {}, {}, gaucheCase);
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<size_t>(i);
        const int x = gaucheCase(i);
        if (etat.Valeurs[k] != 0 && !etat.Resultats[k]) {
            ImagesJeu().Dessiner(peintre, x, 1, ImagePlaque(etat.Valeurs[k]));
        } else if (etat.Valeurs[k] != 0) {
            ImagesJeu().Dessiner(peintre, x, 1, ImagePlaqueResultat);
            DessinerNombreSurFace(peintre, x, 1, etat.Valeurs[k]);
        }
        if (etat.Marquees >> i & 1u) {
            peintre.setPen(QPen(QColor(255, 215, 0), 2));
            peintre.setBrush(Qt::NoBrush);
            peintre.drawRoundedRect(QRectF(x - 2, 0, 36, hauteur - 1), 4, 4);
        }
    }
}

void DessinerLignesPasAPas(QPainter& peintre, const EtatPasAPas& etat) { DessinerLignesFigures(peintre, etat.Texte); }
