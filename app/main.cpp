// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Environnement.h"
#include "Main_f.h"
#include "OptionsProgramme.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

// une exception échappée d'un gestionnaire est montrée, et le programme continue
class ApplicationVarnel : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* destinataire, QEvent* evenement) override
    {
        try {
            return QApplication::notify(destinataire, evenement);
        } catch (const std::exception& e) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Le varnel"), QString::fromUtf8(e.what()));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    // avant l'application : ces réponses ne demandent aucun affichage
    if (const int code = RepondreOptionInformation(argc, argv); code >= 0)
        return code;
    ApplicationVarnel application(argc, argv);
    PreparerEnvironnement(application);
    QApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    // le bureau rattache la fenêtre à son entrée de menu et à son icône
    QApplication::setDesktopFileName(QStringLiteral("org.example.Varnel"));
    if (const int code = DiagnostiquerAide(); code >= 0)
        return code;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    TfrmMain fenetre(arguments);
    fenetre.show();
    application.exec();
    return CodeSortie(arguments);
}
