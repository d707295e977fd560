// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QPainter;
struct EtatPasAPas;

// l'afficheur du compte : trois chiffres jaunes à sept segments
void DessinerCompte(QPainter& peintre, int32_t but);

// le bandeau bordeaux des plaques : chaque case montrée dessine sa plaque (une case vide ne dessine rien) ;
// gaucheCase donne le bord gauche de la case d'une plaque
void DessinerBandePlaques(QPainter& peintre, int largeur, int hauteur, const std::array<int32_t, 6>& plaques,
                          const std::array<bool, 6>& cachees, const std::function<int(int)>& gaucheCase);

// une solution en figures, une ligne d'opération tous les 32 pixels sous le bandeau, et une croix sous
// chaque plaque utilisée ; gaucheCase donne le bord gauche de la case d'une plaque
void DessinerSolution(QPainter& peintre, const std::string& texte, uint32_t masquePlaques,
                      const std::function<int(int)>& gaucheCase);

// un pas du pas à pas : le bandeau avec les nombres du pas (les plaques, ou les résultats sur leur face bleue),
// un cadre jaune autour des cases marquées ; sous le bandeau, les lignes déjà écrites
void DessinerBandePasAPas(QPainter& peintre, int largeur, int hauteur, const EtatPasAPas& etat,
                          const std::function<int(int)>& gaucheCase);
void DessinerLignesPasAPas(QPainter& peintre, const EtatPasAPas& etat);
