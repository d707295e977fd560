// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProvisoiresAbandonnes.h"

namespace fs = std::filesystem;

int SupprimerProvisoiresAbandonnes(const fs::path& dossier, const std::function<bool(const std::string&)>& estProvisoire,
                                   std::chrono::seconds ageMinimal)
{
    int supprimes = 0;
    std::error_code erreur;
    fs::directory_iterator entree(dossier.empty() ? fs::path(".") : dossier, erreur);
    for (; !erreur && entree != fs::directory_iterator(); entree.increment(erreur)) {
        const fs::path& chemin = entree->path();
        if (!estProvisoire(chemin.filename().string()))
            continue;
        std::error_code e;
        // symlink_status : un lien au nom trompeur n'entraîne pas la suppression de ce qu'il vise
        if (!fs::is_regular_file(fs::symlink_status(chemin, e)) || e)
            continue;
        const auto modifie = fs::last_write_time(chemin, e);
        if (e || fs::file_time_type::clock::now() - modifie < ageMinimal)
            continue;
        if (fs::remove(chemin, e) && !e)
            ++supprimes;
    }
    return supprimes;
}
