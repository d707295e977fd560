#include "Environnement.h"
#include "Main_f.h"

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
    ApplicationVarnel application(argc, argv);
    PreparerEnvironnement(application);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    TfrmMain fenetre(arguments);
    fenetre.show();
    application.exec();
    return 0;
}
