// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ForceAdversaire.h"

#include <string>

namespace {

// la lettre latine de base d'une lettre accentuée de Latin-1 écrite en UTF-8 (second octet après 0xC3)
char LettreDeBase(unsigned char second)
{
    // de À (0x80) à ÿ (0xBF), majuscules et minuscules confondues (0xA0 et au-delà : les minuscules)
    static constexpr std::string_view Bases = "aaaaaaaceeeeiiiidnooooo/ouuuuyts";
    return Bases[second & 0x1Fu];
}

// les seules lettres, en minuscules sans accent
std::string Replier(std::string_view texte)
{
    std::string replie;
    for (size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if (c == 0xC3 && i + 1 < texte.size()) {
            replie.push_back(LettreDeBase(static_cast<unsigned char>(texte[++i])));
        } else if (c >= 'A' && c <= 'Z') {
            replie.push_back(static_cast<char>(c - 'A' + 'a'));
        } else if (c >= 'a' && c <= 'z') {
            replie.push_back(static_cast<char>(c));
        } else if (c != ' ' && c != '-' && c != '_') {
            replie.push_back('?');  // un autre caractère ne va avec aucune force
        }
    }
    return replie;
}

}  // namespace

const DescriptionForce& DecrireForce(ForceAdversaire force)
{
    // la table suit les valeurs de l'énumération, à partir de 1
    return Forces[static_cast<size_t>(force) - 1];
}

std::optional<ForceAdversaire> LireForce(std::string_view texte)
{
    const std::string lu = Replier(texte);
    for (const DescriptionForce& d : Forces)
        if (!lu.empty() && (lu == d.MotCle || lu == Replier(d.Nom)))
            return d.Force;
    return std::nullopt;
}
