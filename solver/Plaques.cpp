// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Plaques.h"

void ClasserPlaques(const SixEntiers& plaques, SixEntiers& rangPlaque, SixEntiers& plaqueDeRang,
                    ModeClassement mode)
{
    for (int i = 0; i < 6; ++i) {
        int rang = i;
        if (mode == ModeClassement::Classe) {
            rang = 0;
            for (int j = 0; j < 6; ++j)
                if (plaques[j] < plaques[i] || (j < i && plaques[j] == plaques[i]))
                    ++rang;
        }
        rangPlaque[i] = rang;
    }
    for (int i = 0; i < 6; ++i)
        plaqueDeRang[rangPlaque[i]] = i;
}
