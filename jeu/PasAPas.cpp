// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasAPas.h"

#include "LectureCalcul.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string Nombres(const EtatPasAPas& etat)
{
    std::string liste;
    for (int32_t v : etat.Valeurs)
        if (v != 0)
            liste += (liste.empty() ? "" : ", ") + std::to_string(v);
    return liste;
}

std::string Ligne(const LigneSolution& l, bool avecResultat)
{
    std::string texte = std::to_string(l.Grand) + SigneOperation[l.Operation] + std::to_string(l.Petit);
    return avecResultat ? texte + '=' + std::to_string(l.Resultat) : texte;
}

}  // namespace

PasAPas::PasAPas(const SixEntiers& plaques, int32_t but, uint32_t masque, const std::vector<LigneSolution>& lignes)
{
    EtatPasAPas etat;
    for (size_t i = 0; i < 6; ++i)
        etat.Valeurs[i] = plaques[i];
    const std::string nb = std::to_string(lignes.size());
    etat.Lecture = "Pas à pas en " + nb + (lignes.size() > 1 ? " opérations" : " opération") + ". Plaques : " +
                   Nombres(etat) + ". Compte : " + std::to_string(but) + ".";
    etats_.push_back(etat);

    // la case d'une plaque encore entière de cette valeur, la plus à gauche, de préférence parmi celles de la
    // solution ; exclue : celle déjà prise par l'autre nombre de l'opération
    const auto casePlaque = [&](int32_t valeur, int exclue) {
        int trouvee = -1;
        for (int i = 0; i < 6; ++i) {
            const auto k = static_cast<size_t>(i);
            if (i == exclue || etat.Valeurs[k] != valeur || etat.Resultats[k])
                continue;
            if (trouvee < 0 || ((masque >> i & 1u) && !(masque >> trouvee & 1u)))
                trouvee = i;
        }
        return trouvee;
    };
    std::vector<int> caseDeLigne;
    std::string ecrit;
    for (size_t n = 0; n < lignes.size(); ++n) {
        const LigneSolution& l = lignes[n];
        const auto caseDe = [&](int8_t origine, int32_t valeur, int exclue) {
            if (origine < 0)
                return casePlaque(valeur, exclue);
            return static_cast<size_t>(origine) < caseDeLigne.size() ? caseDeLigne[static_cast<size_t>(origine)] : -1;
        };
        const int a = caseDe(l.LigneGrand, l.Grand, -1);
        const int b = caseDe(l.LignePetit, l.Petit, a);
        // des lignes qui ne sont pas un calcul de ces plaques : le parcours s'arrête là
        if (a < 0 || b < 0)
            break;
        const std::string operation = "Opération " + std::to_string(n + 1) + " sur " + nb + " : ";

        etat.Marquees = 1u << a | 1u << b;
        etat.Texte = ecrit + Ligne(l, false);
        etat.Lecture = operation + LectureLigneCalcul(Ligne(l, false)) + ".";
        etats_.push_back(etat);

        const int gauche = std::min(a, b);
        etat.Valeurs[static_cast<size_t>(a + b - gauche)] = 0;
        etat.Resultats[static_cast<size_t>(a + b - gauche)] = false;
        etat.Valeurs[static_cast<size_t>(gauche)] = l.Resultat;
        etat.Resultats[static_cast<size_t>(gauche)] = true;
        etat.Marquees = 1u << gauche;
        caseDeLigne.push_back(gauche);
        ecrit += Ligne(l, true) + '\n';
        etat.Texte = ecrit;
        etat.Lecture = LectureLigneCalcul(Ligne(l, true));
        if (n + 1 < lignes.size())
            etat.Lecture += ". Restent : " + Nombres(etat) + ".";
        else if (l.Resultat == but)
            etat.Lecture += " : le compte est trouvé.";
        else
            etat.Lecture += ", à " + std::to_string(std::abs(l.Resultat - but)) + " du compte.";
        etats_.push_back(etat);
    }
}

bool PasAPas::Avancer()
{
    if (ALaFin())
        return false;
    ++position_;
    return true;
}

bool PasAPas::Reculer()
{
    if (AuDebut())
        return false;
    --position_;
    return true;
}

std::optional<PasAPas> PasAPasDeLaSolution(const DonneesRecherche& d)
{
    const int32_t i = d.SolutionCourante;
    if (i < 0 || i >= d.ListeSolutions.Nombre() || !d.ListeSolutions.Objet(i)->Arbre)
        return std::nullopt;
    const plq_utl& solution = *d.ListeSolutions.Objet(i);
    const bool simple = d.OrdreSolutions != OrdreDuTorduAuSimple;
    const int32_t valeur = ValeurGroupe(*solution.Arbre);
    // après l'inventaire de tous les comptes, chaque solution est celle du compte qu'elle fait
    const int32_t but = d.MeilleurResultat == Aucun ? valeur : d.But;
    return PasAPas(d.Plaques, but, solution.MasquePlaques, EcrireLignes(*solution.Arbre, valeur, simple));
}
