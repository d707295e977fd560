// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Ressources.h"

#include <QtCore/QtGlobal>

void InitialiserRessources() { Q_INIT_RESOURCE(varnel); }
