// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CalibrageAdversaire.h"

#include "GenerateurSplitMix.h"
#include "Historique.h"
#include "ParcoursParallele.h"
#include "Points.h"
#include "ReflexionOrdinateur.h"
#include "ReleveSolutions.h"
#include "TirageAuSort.h"

#include <algorithm>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

// les tirages sont les mêmes d'une fois à l'autre
constexpr uint64_t GraineCalibrage = 1;

bool CompteFaisable(const JeuTire& jeu)
{
    const auto premiere = [](const ReleveCompte& c) { return c.PlaquesMin > 0; };
    return ReleverSolutions(jeu.Plaques, jeu.But, 1, premiere).PlaquesMin > 0;
}

// « 91,2 % » : au dixième le plus proche, virgule décimale, sans la locale
std::string Part(int64_t partie, int64_t tout)
{
    const int64_t dixiemes = tout == 0 ? 0 : (partie * 2000 + tout) / (2 * tout);
    return std::to_string(dixiemes / 10) + "," + std::to_string(dixiemes % 10) + " %";
}

// « 6,42 » : une moyenne au centième le plus proche
std::string Moyenne(int64_t somme, int64_t nombre)
{
    const int64_t centiemes = nombre == 0 ? 0 : (somme * 200 + nombre) / (2 * nombre);
    return std::to_string(centiemes / 100) + (centiemes % 100 < 10 ? ",0" : ",") + std::to_string(centiemes % 100);
}

// les caractères d'un texte UTF-8 (un caractère accentué fait deux octets)
size_t Caracteres(const std::string& texte)
{
    size_t caracteres = 0;
    for (const char c : texte)
        caracteres += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return caracteres;
}

// le texte cadré à droite sur tant de caractères
std::string Cadrer(const std::string& texte, size_t largeur)
{
    const size_t caracteres = Caracteres(texte);
    return std::string(largeur > caracteres ? largeur - caracteres : 0, ' ') + texte;
}

}  // namespace

Calibrage Calibrer(int tirages)
{
    GenerateurSplitMix generateur(GraineCalibrage);
    std::vector<JeuTire> jeux;
    for (int i = 0; i < tirages; ++i)
        jeux.push_back(TirerJeuOrdinaire([&] { return static_cast<uint32_t>(generateur.Suivant()); }));

    Calibrage calibrage;
    calibrage.Tirages = tirages;
    for (size_t f = 0; f < ForcesFixes.size(); ++f)
        calibrage.Forces[f].Force = ForcesFixes[f];
    std::mutex verrou;
    const int fils = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    ParcourirEnParallele(tirages, fils, {}, [&](int i) {
        const JeuTire& jeu = jeux[static_cast<size_t>(i)];
        const bool faisable = CompteFaisable(jeu);
        std::array<AnnonceOrdinateur, 4> annonces;
        for (size_t f = 0; f < ForcesFixes.size(); ++f)
            annonces[f] = Reflechir(jeu.Plaques, jeu.But, ForcesFixes[f], SecondesCalibrage * 1000);
        const std::lock_guard garde(verrou);
        calibrage.Possibles += faisable;
        for (size_t f = 0; f < ForcesFixes.size(); ++f) {
            CalibrageForce& c = calibrage.Forces[f];
            const bool trouve = annonces[f].Valeur == jeu.But;
            c.Trouves += trouve;
            c.PossiblesTrouves += trouve && faisable;
            c.Points += PointsDuJeu(jeu.But, annonces[f].Valeur.value_or(Aucun));
            c.TempsMs += annonces[f].TempsMs;
        }
    });
    return calibrage;
}

void EcrireCalibrage(std::ostream& sortie, const Calibrage& calibrage)
{
    sortie << calibrage.Tirages << " tirages ordinaires (graine fixe), " << SecondesCalibrage << " s par jeu, "
           << calibrage.Possibles << " comptes possibles\n";
    sortie << "Force       Trouvés  Possibles trouvés  Points moyens  Temps moyen\n";
    for (const CalibrageForce& c : calibrage.Forces) {
        const std::string nom = NomForce(c.Force);
        sortie << nom << Cadrer("", 9 - Caracteres(nom)) << Cadrer(Part(c.Trouves, calibrage.Tirages), 10)
               << Cadrer(Part(c.PossiblesTrouves, calibrage.Possibles), 19)
               << Cadrer(Moyenne(c.Points, calibrage.Tirages), 15)
               << Cadrer(DixiemesDeSeconde(static_cast<double>(c.TempsMs) / calibrage.Tirages) + " s", 13) << '\n';
    }
}
