// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le calcul tapé : ce que la ligne en lit (opérations et boutons pris), ou pourquoi elle ne peut pas
#include "CalculTape.h"
#include "SaisieCalcul.h"

#include <gtest/gtest.h>

namespace {

// « 75(0)+3(1)=78 … | lecture » : chaque opération avec le bouton de chaque nombre, puis ce que dit la ligne
std::string Lu(const CalculTape& calcul, const SaisieCalcul& saisie)
{
    std::string texte;
    for (const OperationTapee& o : calcul.Operations)
        texte += std::to_string(o.ValeurPremier) + "(" + std::to_string(o.Premier) + ")" + SigneOperation[o.Operateur] +
                 std::to_string(o.ValeurSecond) + "(" + std::to_string(o.Second) + ")=" + std::to_string(o.Resultat) + " ";
    return texte + "| " + saisie.LectureCalcul(calcul);
}

}  // namespace

TEST(CalculTape, LectureEtRefus)
{
    struct Cas {
        const char* texte;
        int32_t but;
        const char* attendu;
        const char* avant = "";  // un calcul joué d'abord
        SixEntiers plaques = {75, 3, 10, 2, 4, 9};
    };
    const Cas cas[] = {
        // les deux formes, le meilleur résultat n'étant pas le dernier (936 à 16, 932 à 20)
        {"(75+3)*(10+2)-4", 952,
         "75(0)+3(1)=78 10(2)+2(3)=12 78(0)*12(2)=936 936(0)-4(4)=932 | 932, à 20 du compte ; meilleur résultat : 936, à 16"},
        {"75+3=78, 10+2=12\n78*12=936 936-4=932", 952,
         "75(0)+3(1)=78 10(2)+2(3)=12 78(0)*12(2)=936 936(0)-4(4)=932 | 932, à 20 du compte ; meilleur résultat : 936, à 16"},
        {" ( 75 + 3 ) * ( 10 + 2 ) - 4 ", 932,
         "75(0)+3(1)=78 10(2)+2(3)=12 78(0)*12(2)=936 936(0)-4(4)=932 | 932, le compte est bon"},
        // la priorité de × sur +, chaque façon d'écrire × et ÷
        {"4+9x2X3×10*75", 952, "9(5)*2(3)=18 18(5)*3(1)=54 54(5)*10(2)=540 540(5)*75(0)=40500 4(4)+40500(5)=40504 | "
                               "40504, à 39552 du compte ; meilleur résultat : 540, à 412"},
        {"100:2÷5/10", 952, "100(0)/2(5)=50 50(0)/5(3)=10 10(0)/10(4)=1 | 1, à 951 du compte ; meilleur résultat : 50, à 902",
         "", {100, 4, 50, 5, 10, 2}},
        // un nombre écrit prend un résultat avant une plaque de même valeur
        {"2+3=5 5*5", 952, "2(2)+3(3)=5 5(2)*5(0)=25 | 25, à 927 du compte", "", {5, 5, 2, 3, 10, 75}},
        // après un calcul déjà joué : son résultat sert, ses nombres sont pris, le meilleur d'avant compte
        {"78*(10+2)", 952, "10(2)+2(3)=12 78(0)*12(2)=936 | 936, à 16 du compte", "75+3"},
        {"10-9", 952, "10(2)-9(5)=1 | 1, à 951 du compte ; meilleur résultat : 78, à 874", "75+3"},
        {"75+4", 952, "| le 75 est déjà pris", "75+3"},
        // les refus
        {"12*75", 952, "| 12 n'est pas dans le jeu"},
        {"3-9", 952, "| 3 - 9 n'est pas positif"},
        {"3-3", 952, "| le 3 est déjà pris"},
        {"10-(4+9)", 952, "| 10 - 13 n'est pas positif"},
        {"10/4", 952, "| 10 / 4 ne tombe pas juste"},
        {"4/2", 952, "| 4 / 2 : Le résultat de cette opération est égal à l'un des deux nombres utilisés !"},
        {"75+3=79", 952, "| 75 + 3 fait 78, pas 79"},
        {"75*2-3", 150, "| le compte est bon dès 75 * 2 = 150 : la suite est de trop"},
        {"75+", 952, "| il manque un nombre après « + »"},
        {"75+3)", 952, "| il y a une parenthèse fermante de trop"},
        {"(75+3", 952, "| il manque une parenthèse fermante"},
        {"75", 952, "| il manque un signe après 75"},
        {"75+3 4", 952, "| il manque un signe avant 4"},
        {"75+3=", 952, "| il manque le résultat après « = »"},
        {"-3+75", 952, "| il manque un nombre avant « - »"},
        {"75+a", 952, "| « a » n'est pas un signe admis"},
        {"1234567890123", 952, "| 1234567890… n'est pas dans le jeu"},
        {" , \n", 952, "| "},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        DonneesRecherche d;
        d.Plaques = c.plaques;
        d.But = c.but;
        SaisieCalcul saisie(d, [] { return 0; });
        saisie.Recommencer();
        saisie.JouerCalcul(saisie.LireCalcul(c.avant));
        EXPECT_EQ(Lu(saisie.LireCalcul(c.texte), saisie), c.attendu);
    }
}
