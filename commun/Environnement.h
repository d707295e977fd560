// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

// images, polices de remplacement, textes de Qt en français, horloge : avant toute fenêtre
void PreparerEnvironnement(QApplication& application);
