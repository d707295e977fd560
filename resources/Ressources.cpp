#include "Ressources.h"

#include <QtCore/QtGlobal>

void InitialiserRessources() { Q_INIT_RESOURCE(varnel); }
