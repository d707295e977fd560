// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LigneCommande.h"

#include <cctype>
#include <charconv>

bool ConvertirEntier(const std::string& texte, int32_t& valeur)
{
    size_t i = 0;
    while (i < texte.size() && std::isspace(static_cast<unsigned char>(texte[i])))
        ++i;
    const bool plus = i < texte.size() && texte[i] == '+';
    if (plus)
        ++i;
    if (i == texte.size() || (plus && texte[i] == '-'))
        return false;
    int32_t lu = 0;
    const char* fin = texte.data() + texte.size();
    const auto [arret, erreur] = std::from_chars(texte.data() + i, fin, lu);
    if (erreur != std::errc() || arret != fin)
        return false;
    valeur = lu;
    return true;
}

JeuLigneCommande LireArguments(const std::vector<std::string>& arguments, bool avecBut)
{
    JeuLigneCommande jeu;
    const size_t attendus = avecBut ? 7 : 6;
    if (avecBut ? arguments.size() < attendus : arguments.size() != attendus)
        jeu.Erreur = "Nombre incorrect d'arguments.";
    for (size_t i = 1; i <= arguments.size(); ++i) {
        const std::string& texte = arguments[i - 1];
        int32_t valeur = 0;
        if (!ConvertirEntier(texte, valeur)) {
            // une conversion manquée remplace toujours le message en attente
            jeu.Erreur = "Argument \"" + texte + "\" incorrect.";
            continue;
        }
        if (!jeu.Erreur.empty())
            continue;
        if (i <= 6) {
            if (PlaqueValide(valeur)) {
                jeu.Plaques[i - 1] = valeur;
                jeu.PlaqueCachee[i - 1] = false;
            } else {
                jeu.Erreur = "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100).";
            }
        } else if (ButValide(valeur)) {
            jeu.But = valeur;
        } else {
            jeu.Erreur = "Résultat à trouver incorrect (de 101 à 999).";
        }
    }
    return jeu;
}
