// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LectureCalcul.h"

namespace {

// les signes tels qu'on les dit ; l'écran montre × et ÷ là où le texte a * et /
std::string_view MotDuSigne(char signe)
{
    switch (signe) {
    case '+': return "plus";
    case '-': return "moins";
    case '*': return "fois";
    case '/': return "divisé par";
    case '=': return "égale";
    default: return {};
    }
}

}  // namespace

std::string LectureLigneCalcul(std::string_view ligne)
{
    std::string lecture;
    bool dansUnNombre = false;
    for (char c : ligne) {
        if (c >= '0' && c <= '9') {
            if (!dansUnNombre && !lecture.empty())
                lecture += ' ';
            lecture += c;
            dansUnNombre = true;
            continue;
        }
        const std::string_view mot = MotDuSigne(c);
        if (mot.empty())
            continue;
        if (!lecture.empty())
            lecture += ' ';
        lecture += mot;
        dansUnNombre = false;
    }
    return lecture;
}
