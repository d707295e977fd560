// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>

#include <sys/resource.h>

// les fichiers de ce processus ne peuvent dépasser la taille donnée, le temps de l'objet :
// une écriture au-delà échoue comme sur un disque plein (l'administrateur y est soumis aussi)
class LimiteEcriture {
public:
    explicit LimiteEcriture(rlim_t octets)
    {
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit limite = ancienne_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteEcriture()
    {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, signal_);
    }
    LimiteEcriture(const LimiteEcriture&) = delete;
    LimiteEcriture& operator=(const LimiteEcriture&) = delete;

private:
    rlimit ancienne_{};
    void (*signal_)(int) = nullptr;
};
