// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParcoursParallele.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

void ParcourirEnParallele(int total, int fils, const std::function<void(int, int)>& progression,
                          const std::function<void(int)>& travail)
{
    std::atomic<int> suivant{0};
    std::atomic<int> faits{0};
    std::vector<std::jthread> ouvriers;
    for (int f = 0; f < std::max(fils, 1); ++f)
        ouvriers.emplace_back([&] {
            for (int i; (i = suivant++) < total; ++faits)
                travail(i);
        });
    while (progression && faits < total) {
        progression(faits, total);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    ouvriers.clear();
    if (progression)
        progression(total, total);
}
