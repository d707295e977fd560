// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EchelleIndices.h"

#include "Points.h"

BarreauIndice BarreauSuivant(BarreauIndice barreau)
{
    return barreau == BarreauIndice::PremiereOperation ? BarreauIndice::Aucun
                                                       : static_cast<BarreauIndice>(static_cast<int>(barreau) + 1);
}

const char* QuestionIndice(BarreauIndice barreau)
{
    switch (barreau) {
    case BarreauIndice::Atteignable: return "Atteignable ?";
    case BarreauIndice::CombienDePlaques: return "Combien de plaques ?";
    case BarreauIndice::NombreDePassage: return "Un nombre de passage";
    case BarreauIndice::PremiereOperation: return "Première opération";
    case BarreauIndice::Aucun: break;
    }
    return "";
}

std::string PrixIndice(BarreauIndice barreau)
{
    return "au plus " + std::to_string(PlafondPoints(barreau)) + " points";
}

std::string AnnonceIndice(BarreauIndice barreau)
{
    return std::string(QuestionIndice(barreau)) + " (" + PrixIndice(barreau) + ")";
}

std::string TexteAtteignable(int64_t ecart)
{
    return ecart == 0 ? "Oui" : "Non : au mieux à " + std::to_string(ecart);
}

std::string TextePlaques(int plaquesMin)
{
    return plaquesMin == 0 ? "Aucune solution exacte" : "Au moins " + std::to_string(plaquesMin) + " plaques";
}

std::string TextePassage(int32_t passage) { return "Passez par " + std::to_string(passage); }
