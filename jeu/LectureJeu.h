// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Plaques.h"

#include <array>
#include <cstdint>
#include <string>

class Partie;

// ce qu'un lecteur d'écran dit des dessins de la fenêtre principale : ce qu'un joueur voyant y lit

// « Compte : 952 » ; rien de lu pendant que les roues du tirage tournent, « aucun » sans compte
std::string LectureCompte(int32_t but, bool rouesEnMouvement);
// « Plaques : 25, 50 utilisée, 75 » : les plaques montrées, dans l'ordre de la bande, celles que la solution
// montrée utilise (bit i du masque pour la case i) dites utilisées ; une plaque cachée n'est pas lue
std::string LecturePlaques(const SixEntiers& plaques, const std::array<bool, 6>& cachees, uint32_t masqueUtilisees);
// la solution montrée, ligne après ligne (« Solution 1 sur 2 : 75 fois 6 égale 450 ; … »), puis sa méthode
// quand elle est donnée (« … Méthode : Produit. »), ou le calcul du joueur tel qu'il avance ; texte : les
// lignes de l'entrée montrée, nombre : les entrées de la liste
std::string LectureSolution(const std::string& texte, int32_t courante, int32_t nombre, bool calculDuJoueur,
                            const std::string& methode = {});

// le nom de la méthode de la solution montrée, une fois le jeu résolu ; vide avant (la liste ne tient alors
// que le calcul du joueur)
std::string TexteMethodeMontree(const Partie& partie);

struct LecturesJeu {
    std::string Compte;
    std::string Plaques;
    std::string Solution;
};
// les trois lectures de la partie telle qu'elle est montrée
LecturesJeu LireJeu(const Partie& partie);

// les boutons de la saisie du calcul : « Plaque 2 : 75 » (indice 0 à 5, la valeur que montre le bouton),
// et « Plus », « Moins », « Multiplié par », « Divisé par » (opérateur 0 à 3)
std::string NomBoutonNombre(int indice, int32_t valeur);
std::string NomSigne(int operateur);
