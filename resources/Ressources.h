// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// les images compilées dans une bibliothèque statique doivent être enregistrées explicitement
void InitialiserRessources();
