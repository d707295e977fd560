// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AdversaireCalcul.h"

#include "CalibrageAdversaire.h"
#include "LigneCommande.h"
#include "ReflexionOrdinateur.h"

#include <ostream>

const char* const AideAdversaire =
    "L'ordinateur adversaire sur un jeu :\n"
    "  varnel-calcul --adversaire FORCE [--temps S] Plaque1 ... Plaque6 Resultat\n"
    "    Écrit ce que l'ordinateur de cette force annonce (« Annonce=952 »), au bout de combien de\n"
    "    secondes (« Temps=12.3 »), puis son calcul, une opération par ligne, jusqu'à l'annonce.\n"
    "    FORCE : debutant, amateur, confirme ou champion (accents et majuscules permis).\n"
    "    --temps S   le temps de réflexion, de 1 à 3600 secondes (par défaut 45)\n"
    "\n"
    "Calibrage des forces de l'ordinateur :\n"
    "  varnel-calcul --calibrer [N]\n"
    "    Fait jouer les quatre forces sur N tirages ordinaires (par défaut 1000, toujours les mêmes)\n"
    "    avec 45 secondes chacun, et écrit pour chaque force la part des comptes trouvés, les points\n"
    "    moyens et le temps moyen de l'annonce.\n";

namespace {

struct OptionsAdversaire {
    std::optional<std::string> Force;  // --adversaire
    int Secondes = 45;
    bool Temps = false;  // --temps donné
    bool Calibrer = false;
    int Tirages = TiragesCalibrage;
    std::vector<std::string> Nombres;
};

bool Demande(const std::vector<std::string>& arguments)
{
    for (const std::string& a : arguments) {
        if (a == "--")
            return false;
        if (a == "--adversaire" || a == "--calibrer")
            return true;
    }
    return false;
}

bool LireEntier(const std::string& texte, int min, int max, int& valeur)
{
    int32_t v = 0;
    if (!ConvertirEntier(texte, v) || v < min || v > max)
        return false;
    valeur = v;
    return true;
}

// rend un message d'erreur, vide quand les options sont bonnes
std::string LireOptions(const std::vector<std::string>& arguments, OptionsAdversaire& o)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            o.Nombres.push_back(a);
        } else if (a == "--adversaire") {
            if (!suivant)
                return "Il manque la force après --adversaire (debutant, amateur, confirme ou champion).";
            o.Force = arguments[++i];
        } else if (a == "--temps") {
            if (!suivant || !LireEntier(arguments[i + 1], 1, 3600, o.Secondes))
                return "Temps incorrect (un nombre entier de secondes, de 1 à 3600).";
            o.Temps = true;
            ++i;
        } else if (a == "--calibrer") {
            o.Calibrer = true;
            // le nombre de tirages est facultatif
            if (suivant && arguments[i + 1].compare(0, 2, "--") != 0 &&
                !LireEntier(arguments[++i], 1, 1000000, o.Tirages))
                return "Nombre de tirages incorrect (de 1 à 1000000).";
        } else {
            return "L'option " + a + " ne va pas avec --adversaire ni avec --calibrer.";
        }
    }
    if (o.Calibrer && (o.Force || o.Temps || !o.Nombres.empty()))
        return "Le calibrage ne prend que le nombre de tirages.";
    if (!o.Calibrer && !o.Force)
        return "L'option --temps ne vaut qu'avec --adversaire.";
    return {};
}

// « 12.3 » : des millisecondes en secondes au dixième le plus proche, avec un point
std::string SecondesAuPoint(int32_t ms)
{
    const int32_t dixiemes = (ms + 50) / 100;
    return std::to_string(dixiemes / 10) + "." + std::to_string(dixiemes % 10);
}

}  // namespace

std::optional<IssueAdversaire> ExecuterAdversaire(const std::vector<std::string>& arguments, std::ostream& sortie)
{
    if (!Demande(arguments))
        return std::nullopt;
    OptionsAdversaire o;
    const std::string erreur = LireOptions(arguments, o);
    if (!erreur.empty())
        return IssueAdversaire{erreur};
    if (o.Calibrer) {
        EcrireCalibrage(sortie, Calibrer(o.Tirages));
        return IssueAdversaire{};
    }

    const std::optional<ForceAdversaire> force = LireForce(*o.Force);
    if (force == ForceAdversaire::AMaMesure)
        return IssueAdversaire{"« À ma mesure » joue d'après l'historique du joueur, que varnel-calcul ne lit pas "
                               "(debutant, amateur, confirme ou champion)."};
    if (!force)
        return IssueAdversaire{"Force inconnue : « " + *o.Force + " » (debutant, amateur, confirme ou champion)."};
    const JeuLigneCommande jeu = LireArguments(o.Nombres);
    if (!jeu.Valide())
        return IssueAdversaire{jeu.Erreur};

    const AnnonceOrdinateur annonce = Reflechir(jeu.Plaques, jeu.But, *force, o.Secondes * 1000);
    sortie << "Annonce=" << (annonce.Valeur ? std::to_string(*annonce.Valeur) : std::string("aucune")) << '\n'
           << "Temps=" << SecondesAuPoint(annonce.TempsMs) << '\n';
    for (const std::string& ligne : annonce.Calcul)
        sortie << ligne << '\n';
    return IssueAdversaire{};
}
