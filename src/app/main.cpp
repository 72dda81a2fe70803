// quillon and quillon-factory: the window of Quillon. The edition is chosen when the program is built
// (QUILLON_FACTORY_EDITION for the factory edition with its menus "Test" and "Abgleich").

#include "app/QuillonApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
#ifdef QUILLON_FACTORY_EDITION
    constexpr CEdition::Kind kEdition = CEdition::Kind::Werk;
#else
    constexpr CEdition::Kind kEdition = CEdition::Kind::Kunde;
#endif
    CQuillonApp app(kEdition);
    if (!app.InitInstance(QCoreApplication::arguments().mid(1))) {
        return app.FailureCode();
    }
    const int nExit = QApplication::exec();
    app.ExitInstance();
    return nExit;
}
