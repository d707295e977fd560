#pragma once

#include <cstdint>
#include <functional>

// horloge en millisecondes depuis le démarrage du programme
int32_t HorlogeMs();

// le programme à fenêtres y branche sa propre horloge ; les tests, une horloge réglée
void DefinirHorloge(std::function<int32_t()> horloge);
