#pragma once

// les images compilées dans une bibliothèque statique doivent être enregistrées explicitement
void InitialiserRessources();
