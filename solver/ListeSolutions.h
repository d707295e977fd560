#pragma once

#include "Solution.h"

#include <memory>
#include <string>
#include <vector>

// liste ordonnée des solutions : texte + objet solution, que la liste possède ;
// rangée par blocs pour que l'insertion reste bon marché avec des dizaines de milliers d'entrées
class TListeSolutions {
public:
    struct Entree {
        std::string Texte;
        std::unique_ptr<plq_utl> Objet;
    };

    int32_t Count() const { return nb_; }
    bool Vide() const { return nb_ == 0; }

    const std::string& Texte(int32_t i) const { return EntreeA(i).Texte; }
    void DefinirTexte(int32_t i, std::string texte) { EntreeA(i).Texte = std::move(texte); }
    plq_utl* Objet(int32_t i) const { return EntreeA(i).Objet.get(); }

    void Ajouter(std::string texte, std::unique_ptr<plq_utl> objet);
    void Inserer(int32_t i, std::string texte, std::unique_ptr<plq_utl> objet);
    void Vider();

private:
    static constexpr size_t TailleBloc = 256;

    Entree& EntreeA(int32_t i);
    const Entree& EntreeA(int32_t i) const;
    size_t BlocDe(int32_t i) const;

    std::vector<std::vector<Entree>> blocs_;
    std::vector<int32_t> debuts_;  // indice de la première entrée de chaque bloc
    int32_t nb_ = 0;
};
