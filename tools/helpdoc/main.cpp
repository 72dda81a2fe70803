// quillon-helpdoc MARKDOWN PDF: the build's tool that turns a help text into its PDF document.

#include "HelpDocWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Fonts need a platform; the build runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: quillon-helpdoc MARKDOWN PDF\n";
        return 2;
    }
    QString error;
    if (!CHelpDocWriter::Write(args.at(1), args.at(2), error)) {
        err << "quillon-helpdoc: " << error << '\n';
        return 1;
    }
    return 0;
}
