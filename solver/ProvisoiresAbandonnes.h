// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

// un fichier provisoire qu'une écriture tuée en cours de route a laissé : au-delà de cet âge, aucune
// écriture du programme ne s'en sert plus (elles durent quelques millisecondes)
inline constexpr std::chrono::seconds AgeProvisoireAbandonne{60};

// supprime, dans le dossier, les fichiers ordinaires (jamais un lien ni un dossier) dont le nom est reconnu
// par estProvisoire et qui n'ont pas été modifiés depuis ageMinimal ; rien d'autre n'est touché ;
// rend le nombre de fichiers supprimés
int SupprimerProvisoiresAbandonnes(const std::filesystem::path& dossier,
                                   const std::function<bool(const std::string&)>& estProvisoire,
                                   std::chrono::seconds ageMinimal = AgeProvisoireAbandonne);
