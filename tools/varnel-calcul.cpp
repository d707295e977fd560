// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LigneCommande.h"
#include "VarnelCalcul.h"

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments == std::vector<std::string>{"--version"}) {
        std::cout << "varnel-calcul (Le varnel) " VARNEL_VERSION "\n" << MentionLicence;
        return TerminerSortie(std::cout, std::cerr, 0);
    }
    // la progression de l'atlas ne s'écrit que pour quelqu'un qui regarde
    return ExecuterVarnelCalcul(arguments, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
