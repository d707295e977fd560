#pragma once

class QApplication;

// images, polices de remplacement, textes de Qt en français, horloge : avant toute fenêtre
void PreparerEnvironnement(QApplication& application);
