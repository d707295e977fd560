// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// une date du calendrier, celle d'un jeu du jour
using DateJour = std::chrono::year_month_day;

// « 2026-12-08 » : quatre chiffres d'année (0001 à 9999), deux de mois, deux de jour, une date qui existe ;
// rien pour tout autre texte
std::optional<DateJour> LireDate(const std::string& texte);

// « 2026-12-08 »
std::string DateIso(DateJour date);

// 20261208 : le nombre AAAAMMJJ d'une date (graine de son jeu du jour, et sa forme dans l'historique)
int32_t NombreDate(DateJour date);
// la date d'un nombre AAAAMMJJ ; rien s'il ne dit pas une date du calendrier
std::optional<DateJour> DateDuNombre(int64_t nombre);

// « 8 décembre 2026 », « 1er mai 2027 »
std::string DateEnLettres(DateJour date);

// la date que montre le calendrier de la machine à cet instant, à son heure locale (fuseau de TZ)
DateJour JourLocal(std::chrono::system_clock::time_point instant);
