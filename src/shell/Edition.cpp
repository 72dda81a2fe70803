#include "shell/Edition.h"

namespace {

constexpr int kMenuKunde = 132;
constexpr int kMenuWerk = 129;

} // namespace

CEdition::CEdition(Kind kind)
    : m_kind(kind) {}

int CEdition::MenuId() const {
    return IsWerk() ? kMenuWerk : kMenuKunde;
}

QString CEdition::Title() const {
    return IsWerk() ? tr("Varnex Abgleich und Test") : ProgramName();
}

QString CEdition::ProgramName() {
    return tr("Varnex");
}

QString CEdition::WindowTitle(const QString& documentName, bool bDemo) const {
    const QString title = tr("%1 - %2").arg(documentName, Title());
    return bDemo ? tr("%1 (Demo)").arg(title) : title;
}

QString CEdition::UntitledName() {
    return tr("Unbenannt");
}

QString CEdition::FileFilter() {
    return tr("Dateityp Vx-Dat (*.qlc)");
}

QString CEdition::FileExtension() {
    return QStringLiteral(".qlc");
}
