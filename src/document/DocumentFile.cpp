#include "document/DocumentFile.h"

#include "core/FileProblem.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "document/ArchiveReader.h"
#include "document/ArchiveWriter.h"
#include "document/ParameterSatz.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <array>
#include <variant>

namespace {

using P = CParameterSatz;
using Feld = std::variant<qint32 P::*, qint16 P::*, float P::*, QByteArray P::*>;

/// One item of the file in its order; the items of the display unit, the KA71 free range and the
/// first group of 16-bit values came with version 8196.
struct Item {
    Feld feld;
    bool nurAktuell;
};

const std::array<Item, 25> kItems = {{
    {&P::m_nTyp, true},
    {&P::m_nNullpunktsfenster, true},
    {&P::m_nTastatursperre, true},
    {&P::m_fTempDaempfung, true},
    {&P::m_strBezeichnung, false},
    {&P::m_fDaempfung, false},
    {&P::m_strKennung, false},
    {&P::m_nEinheit, false},
    {&P::m_fGrundAnfang, false},
    {&P::m_fGrundEnde, false},
    {&P::m_fMessAnfang, false},
    {&P::m_fMessEnde, false},
    {&P::m_nDezimalstellen, false},
    {&P::m_fOffset, false},
    {&P::m_fSpanne, false},
    {&P::m_strSeriennummer, false},
    {&P::m_fStromgrenzeMin, false},
    {&P::m_fStromgrenzeMax, false},
    {&P::m_fFehlerstrom, false},
    {&P::m_nLinTabAnzahl, false},
    {&P::m_nAnzeigeEinheit, true},
    {&P::m_nFreiAnfang, true},
    {&P::m_nFreiEnde, true},
    {&P::m_nFreiDezimalpunkt, true},
    {&P::m_nMedium, true},
}};

/// What an old file leaves out: no zero window, key lock or temperature damping, the display unit of
/// the range and the KA71's free range as it comes from the factory.
void SetzeAltesFormat(CParameterSatz& satz) {
    satz.m_nAnzeigeEinheit = satz.m_nEinheit;
    satz.m_nFreiAnfang = 0;
    satz.m_nFreiEnde = 1000;
    satz.m_nFreiDezimalpunkt = 0;
    satz.m_nMedium = 0;
}

void ShowDamaged(IOperator& op) {
    op.Message(CDocumentFile::tr("Die Datei ist unvollständig oder beschädigt und wurde nicht geladen."),
               QString(), IOperator::Icon::Error);
}

} // namespace

QByteArray CDocumentFile::Store(const CParameterSatz& satz) {
    CArchiveWriter writer;
    writer.Write(kVersion);
    for (const Item& item : kItems) {
        std::visit([&](auto member) { writer.Write(satz.*member); }, item.feld);
    }
    for (std::size_t i = 0; i < satz.m_fLinTabX.size(); ++i) {
        writer.Write(satz.m_fLinTabX[i]);
        writer.Write(satz.m_fLinTabY[i]);
    }
    return writer.Bytes();
}

CDocumentFile::Result CDocumentFile::Load(QByteArrayView bytes, CParameterSatz& satz, IOperator& op) {
    CArchiveReader reader(bytes);
    qint32 version = 0;
    if (!reader.Read(version)) {
        ShowDamaged(op);
        return Result::Damaged;
    }
    if (version == kVersionAlt) {
        if (!op.AskYesNo(tr("Altes Dateiformat!\nDatei trotzdem öffnen?"))) {
            return Result::Refused;
        }
        satz.m_nNullpunktsfenster = 0;
        satz.m_fTempDaempfung = 0.0f;
        satz.m_nTastatursperre = 0;
    } else if (version != kVersion) {
        qCInfo(lcDocument) << "document file of unknown version" << version;
        op.Message(tr("Falsche Datei-Version"), QString(), IOperator::Icon::Warning);
        return Result::Refused;
    }

    const bool aktuell = version == kVersion;
    for (const Item& item : kItems) {
        if (aktuell || !item.nurAktuell) {
            std::visit([&](auto member) { reader.Read(satz.*member); }, item.feld);
        }
    }
    if (!aktuell) {
        SetzeAltesFormat(satz);
    }
    for (std::size_t i = 0; i < satz.m_fLinTabX.size(); ++i) {
        reader.Read(satz.m_fLinTabX[i]);
        reader.Read(satz.m_fLinTabY[i]);
    }
    if (reader.Failed()) {
        qCInfo(lcDocument) << "document file ends early or holds a text longer than the file";
        ShowDamaged(op);
        return Result::Damaged;
    }
    return Result::Loaded;
}

bool CDocumentFile::ReadFile(const QString& path, QByteArray& bytes, IOperator& op) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        op.Message(tr("Die Datei %1 kann nicht geöffnet werden.\n%2")
                       .arg(QDir::toNativeSeparators(path),
                            CFileProblem::Reason(file, path, CFileProblem::Zugriff::Lesen)),
                   QString(), IOperator::Icon::Error);
        return false;
    }
    if (file.size() > kMaxDateiGroesse) {
        op.Message(tr("Die Datei %1 ist kein Parameter-Dokument.").arg(QDir::toNativeSeparators(path)),
                   QString(), IOperator::Icon::Error);
        return false;
    }
    bytes = file.read(kMaxDateiGroesse + 1);
    if (file.error() != QFileDevice::NoError) {
        op.Message(tr("Die Datei %1 kann nicht gelesen werden.\n%2")
                       .arg(QDir::toNativeSeparators(path),
                            CFileProblem::Reason(file, path, CFileProblem::Zugriff::Lesen)),
                   QString(), IOperator::Icon::Error);
        return false;
    }
    return true;
}

bool CDocumentFile::WriteFile(const QString& path, const QByteArray& bytes, IOperator& op) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        op.Message(tr("Die Datei %1 kann nicht gespeichert werden.\n%2")
                       .arg(QDir::toNativeSeparators(path),
                            CFileProblem::Reason(file, path, CFileProblem::Zugriff::Schreiben)),
                   QString(), IOperator::Icon::Error);
        return false;
    }
    return true;
}
