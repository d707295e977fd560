#include "ListeSolutions.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

size_t TListeSolutions::BlocDe(int32_t i) const
{
    if (i < 0 || i >= nb_)
        throw std::out_of_range("indice de solution hors de la liste");
    auto it = std::upper_bound(debuts_.begin(), debuts_.end(), i);
    return static_cast<size_t>(std::distance(debuts_.begin(), it) - 1);
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

void TListeSolutions::Ajouter(std::string texte, std::unique_ptr<plq_utl> objet)
{
    Inserer(nb_, std::move(texte), std::move(objet));
}

void TListeSolutions::Inserer(int32_t i, std::string texte, std::unique_ptr<plq_utl> objet)
{
    if (i < 0 || i > nb_)
        throw std::out_of_range("indice d'insertion hors de la liste");
    if (blocs_.empty()) {
        blocs_.emplace_back();
        blocs_.back().reserve(TailleBloc);
        debuts_.push_back(0);
    }
    // à la fin de la liste : dans le dernier bloc ; sinon dans le bloc qui tient l'indice
    size_t b = i == nb_ ? blocs_.size() - 1 : BlocDe(i);
    auto& bloc = blocs_[b];
    const auto position = static_cast<size_t>(i - debuts_[b]);
    auto entree = std::make_unique<Entree>(Entree{std::move(texte), std::move(objet)});
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
