// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CalculTape;
struct NombresOfferts;

// ce qu'a donné un clic sur un nombre
enum class ReponseNombre {
    Ignore,          // bouton inactif, ou pas le moment
    Avance,          // premier nombre pris, ou opération faite
    OperationInutile,  // le résultat égale l'un des deux nombres : refusée, rien ne change
    Terminee,        // opération faite, et la saisie est finie (compte atteint ou six nombres fondus en un)
};

// la saisie du calcul du joueur : nombre, signe, nombre, et ainsi de suite ; le calcul est tenu dans le
// modèle du moteur (EtatJoueur) pour la comparaison, son texte est l'entrée 0 de ListeSolutions
class SaisieCalcul {
public:
    // horloge : millisecondes ; par défaut celle du programme
    explicit SaisieCalcul(DonneesRecherche& donnees, std::function<int32_t()> horloge = {});

    // tout est repris depuis les six plaques ; le chronomètre repart
    void Recommencer();
    // indice de bouton 0 à 5
    ReponseNombre Nombre(int indice);
    // 0 « + », 1 « - », 2 « * », 3 « / » ; faux quand ce n'est pas le moment d'un signe
    bool Signe(int operateur);
    // faux quand Ok n'est pas possible (aucun résultat unique en attente)
    bool Valider();
    // le joueur qui annule n'a pas joué
    void Annuler();
    // le dernier pas (premier nombre, signe ou opération entière) comme s'il n'avait pas été fait, le temps
    // excepté ; faux quand il n'y a plus rien à défaire
    bool DefairePas();
    bool PeutDefaire() const { return !pas_.empty(); }

    // les nombres qu'un calcul tapé peut prendre maintenant
    NombresOfferts NombresLibres() const;
    // un calcul tapé lu sur ces nombres, et ce qu'en dit la ligne (avec le meilleur résultat déjà obtenu)
    CalculTape LireCalcul(std::string_view texte) const;
    std::string LectureCalcul(const CalculTape& calcul) const;
    // joue un calcul lu sur NombresLibres() comme autant de clics, après avoir défait un premier nombre ou un
    // signe en suspens ; rend la réponse du dernier clic (Terminee : la saisie est finie), Ignore s'il n'est pas
    // jouable
    ReponseNombre JouerCalcul(const CalculTape& calcul);

    bool NombreActif(int indice) const;
    bool SignesActifs() const { return Etape == 1; }
    bool OkActif() const { return okActif_; }
    // le bouton montre un résultat (son nombre) au lieu de la face d'une plaque
    bool EstResultat(int indice) const { return BoutonResultat[static_cast<size_t>(indice)]; }
    int32_t Valeur(int indice) const { return ValeurBouton[static_cast<size_t>(indice)]; }

    // état de la saisie ; indice de bouton 0 à 5
    std::array<int32_t, 6> ValeurBouton{};
    std::array<bool, 6> BoutonResultat{};
    std::array<bool, 6> Pris{};
    uint8_t Etape = 0;        // 0 premier nombre, 1 signe, 2 second nombre
    uint8_t Operateur = 255;  // 255 : aucun
    int32_t IndicePremier = -1;
    int32_t ValeurPremier = 0, ValeurSecond = 0;
    std::array<int32_t, 6> NoeudBouton{};  // case du nœud de EtatJoueur que le bouton représente

private:
    // tout ce qu'un pas change, sauf le temps
    struct Instantane {
        std::array<int32_t, 6> ValeurBouton;
        std::array<bool, 6> BoutonResultat, Pris;
        std::array<int32_t, 6> NoeudBouton;
        uint8_t Etape, Operateur;
        int32_t IndicePremier, ValeurPremier, ValeurSecond;
        bool OkActif;
        std::optional<EtatCalcul> EtatJoueur;
        int32_t MeilleurJoueur, SommeJoueur, MaxJoueur;
        std::optional<std::string> Texte;  // l'entrée 0 de ListeSolutions, absente au départ
        uint32_t Masque;
    };
    Instantane Photographier() const;

    bool SecondAdmissible(int32_t second) const;
    void AjouterAuTexte(const std::string& morceau);
    void EtapeSuivante() { Etape = static_cast<uint8_t>((Etape + 1) % 3); }
    int32_t Maintenant() const;

    DonneesRecherche& d_;
    std::function<int32_t()> horloge_;
    bool okActif_ = false;
    std::vector<Instantane> pas_;  // de quoi défaire chaque pas, le dernier au bout
};
