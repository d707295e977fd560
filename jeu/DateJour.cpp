// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateJour.h"

#include <array>
#include <ctime>

namespace {

// les chiffres de texte[debut, debut + n), sans signe ni blanc
std::optional<int> Chiffres(const std::string& texte, size_t debut, size_t n)
{
    int valeur = 0;
    for (size_t i = debut; i < debut + n; ++i) {
        if (texte[i] < '0' || texte[i] > '9')
            return std::nullopt;
        valeur = valeur * 10 + (texte[i] - '0');
    }
    return valeur;
}

std::string DeuxChiffres(unsigned v) { return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10); }

constexpr std::array<const char*, 12> NomsMois = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                                  "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

}  // namespace

std::optional<DateJour> LireDate(const std::string& texte)
{
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return std::nullopt;
    const auto annee = Chiffres(texte, 0, 4), mois = Chiffres(texte, 5, 2), jour = Chiffres(texte, 8, 2);
    if (!annee || !mois || !jour || *annee < 1)
        return std::nullopt;
    const DateJour date{std::chrono::year{*annee}, std::chrono::month{static_cast<unsigned>(*mois)},
                        std::chrono::day{static_cast<unsigned>(*jour)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string DateIso(DateJour date)
{
    const int annee = static_cast<int>(date.year());
    std::string texte = std::to_string(annee);
    texte.insert(0, texte.size() < 4 ? 4 - texte.size() : 0, '0');
    return texte + '-' + DeuxChiffres(static_cast<unsigned>(date.month())) + '-' +
           DeuxChiffres(static_cast<unsigned>(date.day()));
}

int32_t NombreDate(DateJour date)
{
    return static_cast<int>(date.year()) * 10000 + static_cast<int32_t>(static_cast<unsigned>(date.month())) * 100 +
           static_cast<int32_t>(static_cast<unsigned>(date.day()));
}

std::optional<DateJour> DateDuNombre(int64_t nombre)
{
    if (nombre < 10101 || nombre > 99991231)
        return std::nullopt;
    const DateJour date{std::chrono::year{static_cast<int>(nombre / 10000)},
                        std::chrono::month{static_cast<unsigned>(nombre / 100 % 100)},
                        std::chrono::day{static_cast<unsigned>(nombre % 100)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string DateEnLettres(DateJour date)
{
    const unsigned jour = static_cast<unsigned>(date.day());
    return (jour == 1 ? std::string("1er") : std::to_string(jour)) + ' ' +
           NomsMois[static_cast<unsigned>(date.month()) - 1] + ' ' + std::to_string(static_cast<int>(date.year()));
}

DateJour JourLocal(std::chrono::system_clock::time_point instant)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(instant);
    std::tm local{};
    localtime_r(&t, &local);
    return DateJour{std::chrono::year{local.tm_year + 1900}, std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                    std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}
