// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListeSolutions.h"

#include "EcritureCalcul.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

size_t TListeSolutions::BlocDe(int32_t i) const
{
    if (i < 0 || i >= nb_)
        throw std::out_of_range("indice de solution hors de la liste");
    // les blocs ont de 256 à 512 entrées : le bloc proportionnel à l'indice est tout près du bon
    const size_t nbBlocs = debuts_.size();
    size_t b = std::min(static_cast<size_t>(i) * nbBlocs / static_cast<size_t>(nb_), nbBlocs - 1);
    while (debuts_[b] > i)
        --b;
    while (b + 1 < nbBlocs && debuts_[b + 1] <= i)
        ++b;
    return b;
}

TListeSolutions::Entree& TListeSolutions::EntreeA(int32_t i)
{
    const size_t b = BlocDe(i);
    return *blocs_[b][static_cast<size_t>(i - debuts_[b])];
}

const TListeSolutions::Entree& TListeSolutions::EntreeA(int32_t i) const
{
    const size_t b = BlocDe(i);
    return *blocs_[b][static_cast<size_t>(i - debuts_[b])];
}

const std::string& TListeSolutions::Texte(int32_t i) const
{
    const Entree& e = EntreeA(i);
    if (e.TexteAEcrire) {
        int32_t somme = 0, maximum = 0;
        e.Texte = e.Objet && e.Objet->Arbre ? EcrireCalcul(*e.Objet->Arbre, e.ValeurFinale, somme, maximum, e.Simple)
                                            : std::string();
        e.TexteAEcrire = false;
    }
    return e.Texte;
}

void TListeSolutions::DefinirTexte(int32_t i, std::string texte)
{
    Entree& e = EntreeA(i);
    e.Texte = std::move(texte);
    e.TexteAEcrire = false;
}

void TListeSolutions::Ajouter(std::string texte, std::unique_ptr<plq_utl> objet)
{
    Inserer(nb_, std::move(texte), std::move(objet));
}

void TListeSolutions::Inserer(int32_t i, std::string texte, std::unique_ptr<plq_utl> objet)
{
    if (i < 0 || i > nb_)
        throw std::out_of_range("indice d'insertion hors de la liste");
    auto entree = std::make_unique<Entree>();
    entree->Texte = std::move(texte);
    entree->Objet = std::move(objet);
    InsererEntree(i, std::move(entree));
}

void TListeSolutions::InsererCalcul(int32_t i, std::unique_ptr<plq_utl> objet, int32_t valeurFinale, bool simple)
{
    if (i < 0 || i > nb_)
        throw std::out_of_range("indice d'insertion hors de la liste");
    auto entree = std::make_unique<Entree>();
    entree->Objet = std::move(objet);
    entree->ValeurFinale = valeurFinale;
    entree->Simple = simple;
    entree->TexteAEcrire = true;
    InsererEntree(i, std::move(entree));
}

void TListeSolutions::InsererEntree(int32_t i, std::unique_ptr<Entree> entree)
{
    if (blocs_.empty()) {
        blocs_.emplace_back();
        blocs_.back().reserve(TailleBloc);
        debuts_.push_back(0);
    }
    // à la fin de la liste : dans le dernier bloc ; sinon dans le bloc qui tient l'indice
    size_t b = i == nb_ ? blocs_.size() - 1 : BlocDe(i);
    auto& bloc = blocs_[b];
    const auto position = static_cast<size_t>(i - debuts_[b]);
    bloc.insert(bloc.begin() + static_cast<std::ptrdiff_t>(position), entree.get());
    entree.release();
    ++nb_;
    for (size_t k = b + 1; k < debuts_.size(); ++k)
        ++debuts_[k];
    if (bloc.size() >= TailleBloc) {
        // bloc plein : sa seconde moitié devient un bloc à part
        std::vector<Entree*> moitie;
        moitie.reserve(TailleBloc);
        const auto milieu = bloc.begin() + static_cast<std::ptrdiff_t>(TailleBloc / 2);
        std::move(milieu, bloc.end(), std::back_inserter(moitie));
        bloc.erase(milieu, bloc.end());
        const int32_t debut = debuts_[b] + static_cast<int32_t>(TailleBloc / 2);
        blocs_.insert(blocs_.begin() + static_cast<std::ptrdiff_t>(b + 1), std::move(moitie));
        debuts_.insert(debuts_.begin() + static_cast<std::ptrdiff_t>(b + 1), debut);
    }
}

void TListeSolutions::Vider()
{
    for (auto& bloc : blocs_)
        for (Entree* e : bloc)
            delete e;
    blocs_.clear();
    debuts_.clear();
    nb_ = 0;
}
