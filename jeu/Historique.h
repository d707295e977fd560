// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"
#include "Niveau.h"
#include "OrigineJeu.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// un jeu de l'historique : ce qu'on en garde une fois la première résolution faite ; « rien » (nullopt)
// s'enregistre comme une valeur absente. Ses colonnes sont décrites une fois, dans ColonnesHistorique.h
struct LigneHistorique {
    int64_t Numero = 0;        // numéro de la ligne dans l'historique, 0 avant l'enregistrement
    std::string DateHeure;     // temps universel, ISO 8601 : « 2026-12-08T04:36:04Z »
    OrigineJeu Origine = OrigineJeu::Aucune;
    SixEntiers Plaques{};      // dans l'ordre du tirage
    int32_t But = 0;
    int32_t NbGrandes = 0;     // plaques de 25, 50, 75 ou 100
    // celui de la première résolution ; rien pour les jeux enregistrés avant qu'on le garde
    std::optional<NiveauJeu> Niveau;
    uint8_t OrdreSolutions = 0;  // de la première résolution : OrdreDuSimpleAuTordu ou OrdreDuTorduAuSimple
    int32_t NbSolutions = 0;
    std::optional<int32_t> MeilleurResultat;
    std::optional<int32_t> MeilleurBas;  // les deux meilleures approches quand le compte n'est pas atteint
    std::optional<int32_t> MeilleurHaut;
    int32_t NbPossibilites = 0;  // calculs envisagés
    std::optional<int32_t> ResultatJoueur;  // rien quand le joueur n'a pas fait de calcul
    int32_t TempsJoueur = 0;                // ms ; 0 quand le temps n'a pas été pris (saisie fermée par sa case)
    std::optional<int32_t> PlaceSolutions;  // comme la fenêtre d'informations : parmi les solutions…
    std::optional<int32_t> PlaceCalculs;    // …et parmi les calculs envisagés
    std::optional<int32_t> LimiteTemps;     // secondes ; rien : pas de limite
    // ce que le jeu ajoute encore aux statistiques : rien pour les jeux enregistrés avant qu'on les garde,
    // que les statistiques comptaient déjà
    std::optional<int32_t> TempsPremiereSolution;  // ms
    std::optional<int32_t> TempsToutesSolutions;   // ms
    std::optional<int32_t> RangJoueur;  // place du calcul du joueur dans la liste, 0 hors de la liste ; rien sans calcul
    std::optional<int32_t> JourDuJeu;   // AAAAMMJJ, la date du jeu du jour (origine jour) ; la série se compte par elle
    std::optional<int32_t> Points;      // les points du joueur (PointsDuJeu) ; rien pour les jeux gardés avant eux
    std::optional<int64_t> Serie;       // le numéro de la série de dix jeux dont le jeu fait partie
    std::optional<int64_t> Match;       // le numéro du match dont le jeu est un tirage (origine match)

    bool operator==(const LigneHistorique&) const = default;

    bool Joue() const { return ResultatJoueur.has_value(); }
    bool TrouveParLeJoueur() const { return ResultatJoueur == But; }
    bool TempsPris() const { return Joue() && TempsJoueur > 0; }
    // la ligne dit tout ce que le jeu ajoute aux statistiques
    bool Comptable() const { return TempsToutesSolutions.has_value(); }
};

// la ligne d'un jeu qui vient d'être résolu pour la première fois, son niveau mesuré sur cette résolution ;
// positionJoueur : l'indice du calcul du joueur dans la liste des solutions, -1 s'il n'y est pas
LigneHistorique LigneDuJeu(const DonneesRecherche& d, OrigineJeu origine, int32_t positionJoueur,
                           std::string dateHeure = {}, std::optional<int32_t> limiteTemps = std::nullopt);

int32_t NombreGrandesPlaques(const SixEntiers& plaques);

// la date et l'heure présentes en temps universel, ISO 8601 à la seconde : « 2026-12-08T04:36:04Z »
std::string MaintenantUtc();
// une date de l'historique à l'heure locale (fuseau de la machine) : « 08/12/2026 05:36 » ; le texte tel
// quel s'il n'est pas une date
std::string DateLocale(const std::string& dateHeureUtc);

// ce que montre la fenêtre de l'historique : rien pour « tous » (ou « toutes »)
struct FiltreHistorique {
    std::optional<OrigineJeu> Origine;
    std::optional<int32_t> NbGrandes;
    std::optional<NiveauJeu> Niveau{};  // un jeu sans niveau n'est retenu que par « tous »

    bool Accepte(const LigneHistorique& l) const;
};
// les choix des listes du filtre, dans l'ordre : « tous » puis chaque origine enregistrée ; « toutes »
// puis chaque nombre de grandes plaques qu'un tirage peut compter ; « tous » puis chaque niveau
std::vector<std::pair<std::string, std::optional<OrigineJeu>>> ChoixFiltreOrigine();
std::vector<std::pair<std::string, std::optional<int32_t>>> ChoixFiltreGrandes();
std::vector<std::pair<std::string, std::optional<NiveauJeu>>> ChoixFiltreNiveau();

// la ligne de résumé des jeux retenus : les jeux, la part des comptes trouvés par le joueur (sur tous les
// jeux retenus), le temps médian des comptes trouvés, la moyenne des points par jeu (des jeux qui en ont)
struct ResumeHistorique {
    size_t NbJeux = 0;
    size_t NbTrouves = 0;
    std::optional<double> MedianeTempsTrouves;  // ms ; moyenne des deux du milieu pour un nombre pair
    std::optional<double> MoyennePoints;
};
// lignes : les plus anciennes d'abord, comme dans l'historique
ResumeHistorique Resumer(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre = {});
// « 12 jeux — trouvés par le joueur : 42% — temps médian des comptes trouvés : 23,4 s — points par jeu : 6,4 »
std::string TexteResume(const ResumeHistorique& r);

// le même résumé pour les jeux d'un niveau ; Niveau vide : les jeux enregistrés sans niveau
struct ResumeNiveau {
    std::optional<NiveauJeu> Niveau;
    ResumeHistorique Resume;
};
// les jeux retenus, niveau par niveau : chaque niveau, du plus facile à l'impossible, même sans jeu (le
// tableau garde sa forme), puis les jeux sans niveau s'il y en a
std::vector<ResumeNiveau> ResumerParNiveau(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre = {});
// les cases d'une ligne du tableau par niveau, sous TitresResumeNiveau : « Difficile », « 12 », « 42% »,
// « 23,4 s » ; « - » pour ce qui n'a pas de valeur
inline constexpr std::array<const char*, 4> TitresResumeNiveau{"Niveau", "Jeux", "Trouvés", "Temps médian"};
std::array<std::string, 4> TextesResumeNiveau(const ResumeNiveau& r);

// le graphique : les derniers jeux retenus, du plus ancien (rang 1) au plus récent ; un point par jeu
// dont le temps a été pris, et la part des comptes trouvés sur les dix derniers jeux à chaque rang
struct PointTemps {
    int32_t Rang = 0;
    double Secondes = 0;
    bool Exact = false;
    bool operator==(const PointTemps&) const = default;
};
struct PointPart {
    int32_t Rang = 0;
    double Pourcentage = 0;
    bool operator==(const PointPart&) const = default;
};
struct DonneesGraphique {
    int32_t NbJeux = 0;
    std::vector<PointTemps> Temps;
    std::vector<PointPart> PartExacte;
};
inline constexpr size_t JeuxDuGraphique = 100;
inline constexpr size_t JeuxDeLaMoyenne = 10;
// lignes : les plus anciennes d'abord
DonneesGraphique Graphique(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre = {});
// ce que le graphique montre, en une phrase pour un lecteur d'écran : « 40 derniers jeux : 24 trouvés, temps
// médian 18 s » (les jeux du graphique, le temps médian des comptes trouvés, en secondes arrondies)
std::string DescriptionGraphique(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre = {});

// une durée en millisecondes, en secondes au dixième le plus proche : 12345 donne « 12,3 »
std::string DixiemesDeSeconde(double millisecondes);
// la même suivie de « s » : « 12,3 s » ; « - » sans durée
std::string TexteSecondes(std::optional<double> millisecondes);

// textes des cases du tableau
std::string TextePlaques(const LigneHistorique& l);     // « 25 3 7 1 100 9 », dans l'ordre du tirage
std::string TexteOrdinateur(const LigneHistorique& l);  // « 17 solutions », ou les meilleures approches
std::string TexteJoueur(const LigneHistorique& l);      // « 512 (exact) », « 498 (à 2) » ou « - »
std::string TexteTempsSecondes(const LigneHistorique& l);  // « 12,3 » ou « - »
std::string TextePlaceSolutions(const LigneHistorique& l);  // « 2/17 » ou « - »
std::string TexteNiveau(const LigneHistorique& l);          // « Difficile » ou « - »

// fichier CSV : UTF-8, « ; » entre les champs, une ligne d'en-tête, une ligne par jeu retenu, les plus
// récents d'abord ; champ vide pour rien. lignes : les plus anciennes d'abord
std::string TexteCsv(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre = {});
