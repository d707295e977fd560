// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CalculTape.h"

#include "Operations.h"
#include "ReglesOperation.h"

#include <algorithm>
#include <cstdlib>

namespace {

enum class SorteJeton { Nombre, Signe, Ouvrante, Fermante, Egal, Separateur, Fin, Inconnu };

struct Jeton {
    SorteJeton Sorte = SorteJeton::Fin;
    std::string Texte;   // tel que tapé
    int32_t Valeur = 0;  // d'un nombre ; -1 quand il est trop grand pour être dans le jeu
    int Operateur = 0;   // d'un signe
};

bool Commence(std::string_view texte, size_t position, std::string_view debut)
{
    return texte.substr(position, debut.size()) == debut;
}

// le jeton qui commence à position, blancs sautés ; position passe après lui
Jeton LireJeton(std::string_view texte, size_t& position)
{
    // espaces insécables compris, que certains claviers français mettent autour des signes
    for (;;) {
        if (position < texte.size() && (texte[position] == ' ' || texte[position] == '\t' || texte[position] == '\r'))
            ++position;
        else if (Commence(texte, position, "\u00a0"))
            position += 2;
        else if (Commence(texte, position, "\u202f"))
            position += 3;
        else
            break;
    }
    Jeton jeton;
    if (position >= texte.size())
        return jeton;
    const char c = texte[position];
    if (c >= '0' && c <= '9') {
        jeton.Sorte = SorteJeton::Nombre;
        int64_t valeur = 0;
        while (position < texte.size() && texte[position] >= '0' && texte[position] <= '9') {
            valeur = std::min<int64_t>(valeur * 10 + (texte[position] - '0'), int64_t{1} << 40);
            jeton.Texte += texte[position++];
        }
        jeton.Valeur = valeur > 999999999 ? -1 : static_cast<int32_t>(valeur);
        return jeton;
    }
    struct Orthographe {
        std::string_view Texte;
        SorteJeton Sorte;
        int Operateur;
    };
    static constexpr Orthographe orthographes[] = {
        {"+", SorteJeton::Signe, OpAddition},       {"-", SorteJeton::Signe, OpSoustraction},
        {"*", SorteJeton::Signe, OpMultiplication}, {"x", SorteJeton::Signe, OpMultiplication},
        {"X", SorteJeton::Signe, OpMultiplication}, {"\u00d7", SorteJeton::Signe, OpMultiplication},
        {"/", SorteJeton::Signe, OpDivision},       {":", SorteJeton::Signe, OpDivision},
        {"\u00f7", SorteJeton::Signe, OpDivision},  {"(", SorteJeton::Ouvrante, 0},
        {")", SorteJeton::Fermante, 0},             {"=", SorteJeton::Egal, 0},
        {",", SorteJeton::Separateur, 0},           {";", SorteJeton::Separateur, 0},
        {"\n", SorteJeton::Separateur, 0},
    };
    for (const Orthographe& o : orthographes)
        if (Commence(texte, position, o.Texte)) {
            position += o.Texte.size();
            jeton.Sorte = o.Sorte;
            jeton.Texte = std::string(o.Texte);
            jeton.Operateur = o.Operateur;
            return jeton;
        }
    // un caractère inconnu, entier même s'il tient sur plusieurs octets
    jeton.Sorte = SorteJeton::Inconnu;
    do
        jeton.Texte += texte[position++];
    while (position < texte.size() && (static_cast<unsigned char>(texte[position]) & 0xC0) == 0x80);
    return jeton;
}

std::string EntreGuillemets(const std::string& texte) { return "« " + texte + " »"; }

// la raison d'un refus, qui arrête la lecture
struct Refus {
    std::string Texte;
};

// un nombre lu ou calculé, et le bouton qui le tient (celui de son premier nombre pour un résultat)
struct Terme {
    int32_t Valeur = 0;
    int Bouton = -1;
    bool Calcule = false;
};

// lecture par descente : chaque nombre écrit prend un bouton dès qu'il est lu, chaque opération est
// vérifiée et faite dès que son second nombre est lu, si bien que le premier défaut du texte est dit
class Lecteur {
public:
    Lecteur(std::string_view texte, const NombresOfferts& offerts, int32_t but)
        : texte_(texte), nombres_(offerts), but_(but)
    {
        connus_.insert(connus_.end(), offerts.Plaques.begin(), offerts.Plaques.end());
        connus_.insert(connus_.end(), offerts.Valeur.begin(), offerts.Valeur.end());
        courant_ = LireJeton(texte_, position_);
    }

    CalculTape Lire()
    {
        CalculTape calcul;
        try {
            PasserSeparateurs();
            if (courant_.Sorte == SorteJeton::Fin) {
                calcul.Vide = true;
                throw Refus{"il n'y a aucune opération"};
            }
            while (courant_.Sorte != SorteJeton::Fin) {
                const bool resultatEcrit = Operation();
                // après « = résultat », l'opération suivante peut venir après un simple blanc
                if (courant_.Sorte == SorteJeton::Separateur)
                    PasserSeparateurs();
                else if (courant_.Sorte != SorteJeton::Fin &&
                         !(resultatEcrit && (courant_.Sorte == SorteJeton::Nombre || courant_.Sorte == SorteJeton::Ouvrante)))
                    Inattendu();
            }
            calcul.Operations = std::move(operations_);
        } catch (const Refus& refus) {
            calcul.Refus = refus.Texte;
        }
        return calcul;
    }

private:
    Jeton Prendre()
    {
        Jeton pris = std::move(courant_);
        courant_ = LireJeton(texte_, position_);
        precedent_ = pris.Texte;
        return pris;
    }

    void PasserSeparateurs()
    {
        while (courant_.Sorte == SorteJeton::Separateur)
            Prendre();
    }

    [[noreturn]] void Inattendu() const
    {
        switch (courant_.Sorte) {
        case SorteJeton::Nombre: throw Refus{"il manque un signe avant " + courant_.Texte};
        case SorteJeton::Ouvrante: throw Refus{"il manque un signe avant « ( »"};
        case SorteJeton::Fermante: throw Refus{"il y a une parenthèse fermante de trop"};
        case SorteJeton::Egal: throw Refus{"il y a un « = » de trop"};
        case SorteJeton::Signe: throw Refus{"il manque un nombre avant " + EntreGuillemets(courant_.Texte)};
        default: throw Refus{EntreGuillemets(courant_.Texte) + " n'est pas un signe admis"};
        }
    }

    // une expression ou une opération, et son « = résultat » s'il est écrit (rend vrai alors) ; ses nombres
    // sont pris parmi ceux qui sont libres avant elle
    bool Operation()
    {
        permis_ = nombres_.Libre;
        const Terme terme = Somme();
        if (!terme.Calcule)
            throw Refus{"il manque un signe après " + std::to_string(terme.Valeur)};
        if (courant_.Sorte != SorteJeton::Egal)
            return false;
        Prendre();
        if (courant_.Sorte != SorteJeton::Nombre)
            throw Refus{"il manque le résultat après « = »"};
        const Jeton annonce = Prendre();
        const OperationTapee& derniere = operations_.back();
        if (annonce.Valeur != derniere.Resultat)
            throw Refus{Ecrire(derniere.ValeurPremier, derniere.Operateur, derniere.ValeurSecond) + " fait " +
                        std::to_string(derniere.Resultat) + ", pas " + annonce.Texte};
        return true;
    }

    Terme Somme()
    {
        Terme gauche = Produit();
        while (courant_.Sorte == SorteJeton::Signe && FamilleOperation[courant_.Operateur] == 0) {
            const int op = Prendre().Operateur;
            gauche = Operer(gauche, op, Produit());
        }
        return gauche;
    }

    Terme Produit()
    {
        Terme gauche = Facteur();
        while (courant_.Sorte == SorteJeton::Signe && FamilleOperation[courant_.Operateur] == 1) {
            const int op = Prendre().Operateur;
            gauche = Operer(gauche, op, Facteur());
        }
        return gauche;
    }

    Terme Facteur()
    {
        switch (courant_.Sorte) {
        case SorteJeton::Nombre: return Nombre(Prendre());
        case SorteJeton::Ouvrante: {
            // six nombres n'en demandent pas tant ; un texte collé sans fin n'épuise pas la pile
            if (++profondeur_ > 32)
                throw Refus{"il y a trop de parenthèses"};
            Prendre();
            const Terme dedans = Somme();
            if (courant_.Sorte == SorteJeton::Fin || courant_.Sorte == SorteJeton::Separateur || courant_.Sorte == SorteJeton::Egal)
                throw Refus{"il manque une parenthèse fermante"};
            if (courant_.Sorte != SorteJeton::Fermante)
                Inattendu();
            Prendre();
            --profondeur_;
            return dedans;
        }
        case SorteJeton::Inconnu: Inattendu();
        case SorteJeton::Fin:
        case SorteJeton::Separateur: throw Refus{"il manque un nombre après " + EntreGuillemets(precedent_)};
        default: throw Refus{"il manque un nombre avant " + EntreGuillemets(courant_.Texte)};
        }
    }

    // un résultat en attente d'abord, puis une plaque, chacun du premier bouton au dernier
    Terme Nombre(const Jeton& jeton)
    {
        for (const bool resultat : {true, false})
            for (size_t i = 0; i < 6; ++i)
                if (permis_[i] && nombres_.Resultat[i] == resultat && nombres_.Valeur[i] == jeton.Valeur) {
                    permis_[i] = false;
                    return {jeton.Valeur, static_cast<int>(i), false};
                }
        if (std::find(connus_.begin(), connus_.end(), jeton.Valeur) != connus_.end())
            throw Refus{"le " + std::to_string(jeton.Valeur) + " est déjà pris"};
        // un nombre sans fin serait un mot que la ligne de lecture ne sait pas couper
        throw Refus{(jeton.Texte.size() > 10 ? jeton.Texte.substr(0, 10) + "…" : jeton.Texte) + " n'est pas dans le jeu"};
    }

    static std::string Ecrire(int32_t premier, int op, int32_t second)
    {
        return std::to_string(premier) + " " + SigneOperation[op] + " " + std::to_string(second);
    }

    Terme Operer(const Terme& premier, int op, const Terme& second)
    {
        // la saisie se ferme au compte : rien ne se joue après lui
        if (!compteAtteint_.empty())
            throw Refus{"le compte est bon dès " + compteAtteint_ + " : la suite est de trop"};
        const std::string ecrite = Ecrire(premier.Valeur, op, second.Valeur);
        switch (RefuserOperation(op, premier.Valeur, second.Valeur)) {
        case RefusOperation::NonPositive: throw Refus{ecrite + " n'est pas positif"};
        case RefusOperation::NonEntiere: throw Refus{ecrite + " ne tombe pas juste"};
        case RefusOperation::Inutile: throw Refus{ecrite + " : " + TexteOperationInutile};
        case RefusOperation::Aucun: break;
        }
        const int32_t resultat = Appliquer(op, premier.Valeur, second.Valeur);
        operations_.push_back({premier.Bouton, op, second.Bouton, premier.Valeur, second.Valeur, resultat});
        // comme dans la saisie : le résultat prend le bouton du premier nombre, le second est pris
        const auto bouton = static_cast<size_t>(premier.Bouton);
        nombres_.Valeur[bouton] = resultat;
        nombres_.Resultat[bouton] = true;
        nombres_.Libre[static_cast<size_t>(second.Bouton)] = false;
        connus_.push_back(resultat);
        if (resultat == but_)
            compteAtteint_ = ecrite + " = " + std::to_string(resultat);
        return {resultat, premier.Bouton, true};
    }

    std::string_view texte_;
    size_t position_ = 0;
    Jeton courant_;
    std::string precedent_;  // le dernier jeton pris : le signe ou la parenthèse qui attend un nombre
    NombresOfferts nombres_;
    std::array<bool, 6> permis_{};
    std::vector<int32_t> connus_;  // les nombres du jeu, plaques et résultats, pour « déjà pris »
    std::vector<OperationTapee> operations_;
    std::string compteAtteint_;
    int profondeur_ = 0;  // des parenthèses ouvertes
    int32_t but_;
};

}  // namespace

CalculTape LireCalculTape(std::string_view texte, const NombresOfferts& offerts, int32_t but)
{
    return Lecteur(texte, offerts, but).Lire();
}

std::string LectureCalculTape(const CalculTape& calcul, int32_t but, int32_t meilleur)
{
    if (calcul.Vide)
        return {};
    if (!calcul.Jouable())
        return calcul.Refus;
    const auto ecart = [but](int32_t valeur) { return std::to_string(std::llabs(int64_t{valeur} - but)); };
    for (const OperationTapee& operation : calcul.Operations)
        meilleur = MeilleurResultat(meilleur, operation.Resultat, but);
    const int32_t dernier = calcul.Operations.back().Resultat;
    std::string lecture = std::to_string(dernier) + (dernier == but ? ", le compte est bon" : ", à " + ecart(dernier) + " du compte");
    if (meilleur != dernier)
        lecture += " ; meilleur résultat : " + std::to_string(meilleur) + ", à " + ecart(meilleur);
    return lecture;
}
