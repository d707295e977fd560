// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Solution.h"

#include <memory>
#include <string>
#include <vector>

// liste ordonnée des solutions : texte + objet solution, que la liste possède ;
// rangée par blocs pour que l'insertion reste bon marché avec des dizaines de milliers d'entrées.
// une solution rangée par InsererCalcul n'a son texte écrit qu'à sa première lecture : l'inventaire
// en range des milliers dont on ne lit que celle qu'on montre
class TListeSolutions {
public:
    int32_t Nombre() const { return nb_; }
    bool Vide() const { return nb_ == 0; }

    const std::string& Texte(int32_t i) const;
    void DefinirTexte(int32_t i, std::string texte);
    plq_utl* Objet(int32_t i) const { return EntreeA(i).Objet.get(); }

    void Ajouter(std::string texte, std::unique_ptr<plq_utl> objet);
    void Inserer(int32_t i, std::string texte, std::unique_ptr<plq_utl> objet);
    // le texte sera celui qu'écrit EcrireCalcul sur l'arbre de l'objet, de valeur finale donnée
    void InsererCalcul(int32_t i, std::unique_ptr<plq_utl> objet, int32_t valeurFinale, bool simple);
    void Vider();

    TListeSolutions() = default;
    ~TListeSolutions() { Vider(); }
    TListeSolutions(const TListeSolutions&) = delete;
    TListeSolutions& operator=(const TListeSolutions&) = delete;
    TListeSolutions(TListeSolutions&& autre) noexcept { *this = std::move(autre); }
    TListeSolutions& operator=(TListeSolutions&& autre) noexcept
    {
        if (this != &autre) {
            Vider();
            blocs_ = std::move(autre.blocs_);
            debuts_ = std::move(autre.debuts_);
            nb_ = autre.nb_;
            autre.blocs_.clear();
            autre.debuts_.clear();
            autre.nb_ = 0;
        }
        return *this;
    }

private:
    static constexpr size_t TailleBloc = 512;

    struct Entree {
        mutable std::string Texte;
        std::unique_ptr<plq_utl> Objet;
        int32_t ValeurFinale = 0;
        bool Simple = true;
        mutable bool TexteAEcrire = false;
    };

    void InsererEntree(int32_t i, std::unique_ptr<Entree> entree);
    Entree& EntreeA(int32_t i);
    const Entree& EntreeA(int32_t i) const;
    size_t BlocDe(int32_t i) const;

    // pointeurs nus possédés par la liste : un bloc se décale d'un seul memmove
    std::vector<std::vector<Entree*>> blocs_;
    std::vector<int32_t> debuts_;  // indice de la première entrée de chaque bloc
    int32_t nb_ = 0;
};
