// quillon and quillon-factory: the window of Quillon. The edition is chosen when the program is built
// (QUILLON_FACTORY_EDITION for the factory edition with its menus "Test" and "Abgleich").

#include "app/QuillonApp.h"

#include <QApplication>
#include <memory>

namespace {

/// "--help", "--version" and wrong arguments are answered without a window, so they need no display: the
/// window's application object would end the program when no platform can be opened.
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (!CCommandLine::NeedsWindow(arguments)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = CreateApplication(argc, argv);
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
    const int nExit = QCoreApplication::exec();
    app.ExitInstance();
    return nExit;
}
