// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReflexionOrdinateur.h"

#include "GenerateurSplitMix.h"
#include "ParcoursCalculs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

// ce que la réflexion décide d'un calcul vu
struct Decision {
    bool Garder = false;   // il devient la preuve de l'annonce
    bool Arreter = false;  // plus rien à voir
};
using Regard = std::function<Decision(int32_t valeur, int operations)>;

// les calculs d'une seule longueur, dans l'ordre du moteur
class Passe : public ParcoursCalculs {
public:
    Passe(int operations, const Regard& regard, std::optional<EtatCalcul>& preuve)
        : ParcoursCalculs(operations), regard_(regard), preuve_(preuve)
    {
    }
    bool Voir(int32_t valeur, int operations) override
    {
        // les plus courts ont été vus aux passes précédentes
        if (operations != MaxOperations())
            return false;
        const Decision d = regard_(valeur, operations);
        if (d.Arreter)
            Arreter();
        return d.Garder;
    }
    void Garder(const EtatCalcul& calcul) override { preuve_ = calcul; }

private:
    const Regard& regard_;
    std::optional<EtatCalcul>& preuve_;
};

// les calculs d'une opération, puis de deux… jusqu'à maxOperations ; vrai quand le regard a tout arrêté
bool ParcourirDuPlusCourt(const SixEntiers& plaques, int32_t but, int maxOperations, const Regard& regard,
                          std::optional<EtatCalcul>& preuve)
{
    for (int n = 1; n <= maxOperations; ++n) {
        Passe passe(n, regard, preuve);
        Parcourir(plaques, but, passe);
        if (passe.Arrete())
            return true;
    }
    return false;
}

std::vector<std::string> Lignes(const EtatCalcul& calcul)
{
    std::vector<std::string> lignes;
    const std::string texte = EcrireEtatComplet(calcul);
    size_t debut = 0;
    for (size_t fin = texte.find('\n'); fin != std::string::npos; fin = texte.find('\n', debut)) {
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return lignes;
}

long long Ecart(int32_t valeur, int32_t but) { return std::llabs(static_cast<long long>(valeur) - but); }

constexpr int OperationsMax = 5;

}  // namespace

uint64_t GraineAdversaire(const SixEntiers& plaques, int32_t but, ForceAdversaire force)
{
    SixEntiers triees = plaques;
    std::sort(triees.begin(), triees.end());
    uint64_t graine = static_cast<uint64_t>(force);
    for (const int32_t v : triees)
        graine = GenerateurSplitMix(graine * 1000 + static_cast<uint64_t>(v)).Suivant();
    return GenerateurSplitMix(graine * 1000 + static_cast<uint64_t>(but)).Suivant();
}

AnnonceOrdinateur Reflechir(const SixEntiers& plaques, int32_t but, ForceAdversaire force, int32_t limiteMs)
{
    GenerateurSplitMix generateur(GraineAdversaire(plaques, but, force));
    const DescriptionForce& description = DecrireForce(force);
    double horloge = 0;
    bool tempsEcoule = false;
    AnnonceOrdinateur annonce;
    annonce.Force = force;
    std::optional<EtatCalcul> preuve;
    const Regard regard = [&](int32_t valeur, int operations) {
        const double duree = description.MsParOperation * operations * (0.5 + generateur.Reel());
        if (horloge + duree > limiteMs) {
            tempsEcoule = true;
            return Decision{false, true};
        }
        horloge += duree;
        const bool mieux = !annonce.Valeur || Ecart(valeur, but) < Ecart(*annonce.Valeur, but);
        if (mieux)
            annonce.Valeur = valeur;
        return Decision{mieux, valeur == but};
    };
    ParcourirDuPlusCourt(plaques, but, description.Operations, regard, preuve);
    annonce.TempsMs = tempsEcoule ? limiteMs : static_cast<int32_t>(std::lround(horloge));
    if (preuve)
        annonce.Calcul = Lignes(*preuve);
    return annonce;
}

std::optional<CalculProuve> PremierCalculExact(const SixEntiers& plaques, int32_t but)
{
    std::optional<EtatCalcul> preuve;
    const Regard regard = [&](int32_t valeur, int) {
        return Decision{valeur == but, valeur == but};
    };
    if (!ParcourirDuPlusCourt(plaques, but, OperationsMax, regard, preuve))
        return std::nullopt;
    return CalculProuve{but, Lignes(*preuve)};
}

CalculProuve ApprocheLaPlusProche(const SixEntiers& plaques, int32_t but)
{
    std::optional<EtatCalcul> preuve;
    std::optional<int32_t> meilleur;
    const Regard regard = [&](int32_t valeur, int) {
        const bool mieux = valeur != but && (!meilleur || Ecart(valeur, but) < Ecart(*meilleur, but));
        if (mieux)
            meilleur = valeur;
        // à 1 du compte, rien ne peut être plus proche sans être le compte
        return Decision{mieux, mieux && Ecart(valeur, but) == 1};
    };
    ParcourirDuPlusCourt(plaques, but, OperationsMax, regard, preuve);
    return CalculProuve{*meilleur, Lignes(*preuve)};
}
