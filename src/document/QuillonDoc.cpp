#include "document/QuillonDoc.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "core/ProgramError.h"
#include "document/DocumentFile.h"
#include "document/Einstellungen.h"
#include "document/ReplyDecoder.h"
#include "document/Windows1252.h"

#include <utility>

namespace {

constexpr qsizetype kBezeichnungLaenge = 20;

bool IsPunkt(int i) {
    return i >= 0 && i < CQuillonDoc::kLinTabPunkte;
}

} // namespace

CQuillonDoc::CQuillonDoc(IOperator& op, QString programDir, QObject* parent)
    : QObject(parent)
    , m_operator(op)
    , m_strProgrammVerzeichnis(std::move(programDir)) {}

void CQuillonDoc::OnNewDocument() {
    ClearParameters();
    m_bGueltig = false;
    SetModifiedFlag(false);
    UpdateAllViews();
}

void CQuillonDoc::ClearParameters() {
    CParameterSatz cleared;
    cleared.m_nTyp = m_Parameter.m_nTyp;
    cleared.m_nFreiDezimalpunkt = m_Parameter.m_nFreiDezimalpunkt;
    cleared.m_nFreiAnfang = m_Parameter.m_nFreiAnfang;
    cleared.m_nFreiEnde = m_Parameter.m_nFreiEnde;
    cleared.m_nMedium = m_Parameter.m_nMedium;
    m_Parameter = cleared;
    m_fMesswert.fill(0.0f);
    m_fTemperatur = 0.0f;
}

void CQuillonDoc::SetModifiedFlag(bool modified) {
    m_bModified = modified;
}

void CQuillonDoc::UpdateAllViews() {
    emit documentUpdated();
}

QByteArray CQuillonDoc::SaveToBytes() const {
    return CDocumentFile::Store(m_Parameter);
}

bool CQuillonDoc::LoadFromBytes(QByteArrayView bytes) {
    CParameterSatz loaded = m_Parameter;
    switch (CDocumentFile::Load(bytes, loaded, m_operator)) {
    case CDocumentFile::Result::Loaded:
        m_Parameter = loaded;
        m_bGueltig = true;
        SetModifiedFlag(false);
        UpdateAllViews();
        return true;
    case CDocumentFile::Result::Refused:
        m_bGueltig = false;
        return false;
    case CDocumentFile::Result::Damaged:
        break;
    }
    return false;
}

bool CQuillonDoc::LoadFile(const QString& path) {
    QByteArray bytes;
    return CDocumentFile::ReadFile(path, bytes, m_operator) && LoadFromBytes(bytes);
}

bool CQuillonDoc::SaveFile(const QString& path) {
    if (!CDocumentFile::WriteFile(path, SaveToBytes(), m_operator)) {
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CQuillonDoc::LoadSettings(IProfileStore& profile) {
    m_settings.Load(profile);
    SetTyp(m_settings.Int(CSettingsRegistry::kTransmitterVersion));
}

void CQuillonDoc::SaveSettings(IProfileStore& profile) const {
    Settings().Save(profile);
}

void CQuillonDoc::TakeConnectionSettings(const CQuillonDoc& from) {
    SetComPort(from.GetComPort());
    SetInterfaceVersion(from.GetInterfaceVersion());
    SetLinTabOption(from.GetLinTabOption());
    SetTyp(from.GetTyp());
    m_bErweitert = from.m_bErweitert;
}

CSettingsRegistry& CQuillonDoc::Settings() {
    std::as_const(*this).Settings();
    return m_settings;
}

const CSettingsRegistry& CQuillonDoc::Settings() const {
    // The type last used is the parameter set's, which a receive or a file changes.
    m_settings.Set(CSettingsRegistry::kTransmitterVersion, GetTyp());
    return m_settings;
}

QString CQuillonDoc::ReadCfgText() const {
    return CEinstellungen::ReadCfgText(m_strProgrammVerzeichnis);
}

bool CQuillonDoc::WriteCfgText(const QString& text) const {
    return CEinstellungen::WriteCfgText(m_strProgrammVerzeichnis, text);
}

void CQuillonDoc::SetKennung(const QByteArray& reply) {
    const QByteArray kennung = CReplyDecoder::ReplyData(reply);
    // Derive first: an identification too short for its model leaves both fields as they were.
    const std::optional<int> nTyp = CTypKatalog::TypFromKennung(kennung);
    m_Parameter.m_strKennung = kennung;
    if (nTyp) {
        m_Parameter.m_nTyp = *nTyp;
    }
}

void CQuillonDoc::SetErweitert(const QByteArray& reply) {
    if (const std::optional<bool> erweitert = CTypKatalog::ErweitertFromReply(reply)) {
        m_bErweitert = *erweitert;
    }
}

QString CQuillonDoc::GetTypText(int nTyp) {
    return CTypKatalog::GetTypText(nTyp);
}

QString CQuillonDoc::GetEinheitText() const {
    return CTypKatalog::GetEinheitText(GetTyp(), GetEinheit());
}

QString CQuillonDoc::GetAnzeigeEinheitText() const {
    return CTypKatalog::GetEinheitText(GetTyp(), GetAnzeigeEinheit());
}

QString CQuillonDoc::GetEinheitTextFor(int nEinheit) const {
    return CTypKatalog::GetEinheitTextFor(GetTyp(), nEinheit);
}

bool CQuillonDoc::IsDreiLeiter() const {
    return CTypKatalog::IsDreiLeiter(GetTyp());
}

bool CQuillonDoc::IsKA71() const {
    return CTypKatalog::IsKA71(GetTyp());
}

bool CQuillonDoc::IsKennlinieInvers() const {
    const bool steigend = GetGrundEnde() >= GetGrundAnfang();
    return GetMessEnde() < GetMessAnfang() ? steigend : !steigend;
}

CEinheiten CQuillonDoc::RangeUnitConverter() const {
    return CEinheiten(GetTyp(), GetGrundAnfang(), GetGrundEnde(), GetDezimalstellen(), GetEinheit(),
                      GetEinheit());
}

CEinheiten CQuillonDoc::DisplayUnitConverter() const {
    return CEinheiten(GetTyp(), GetGrundAnfang(), GetGrundEnde(), GetDezimalstellen(), GetEinheit(),
                      GetAnzeigeEinheit());
}

double CQuillonDoc::ConvertToAnzeigeEinheit(double value) const {
    return DisplayUnitConverter().Convert(value);
}

CEinheiten::Range CQuillonDoc::GetAnzeigeBereich() const {
    return DisplayUnitConverter().TruncatedRange();
}

CEinheiten::Range CQuillonDoc::ScaleRange() const {
    const CEinheiten::Range range = GetAnzeigeBereich();
    if (range.overflow) {
        // Values on a scale over a range the transmitter's words cannot hold would be wrong on the wire.
        throw CProgramError("KA71 display range beyond 16 bits");
    }
    return range;
}

double CQuillonDoc::FromPerTenThousand(double x) const {
    const CEinheiten::Range range = ScaleRange();
    const double v = range.lo + (range.hi - range.lo) * x / CEinheiten::kScale;
    return GetEinheit() == GetAnzeigeEinheit() ? v : v / CUtils::PowerOfTen(range.n);
}

double CQuillonDoc::ToPerTenThousand(double value) const {
    const CEinheiten::Range range = ScaleRange();
    const double v = GetEinheit() == GetAnzeigeEinheit() ? value : value * CUtils::PowerOfTen(range.n);
    return (v - range.lo) * CEinheiten::kScale / (range.hi - range.lo);
}

int CQuillonDoc::GetAnzeigeDezimalstellen() const {
    return IsKA71() ? GetAnzeigeBereich().n : GetDezimalstellen();
}

CQuillonDoc::DisplayValue CQuillonDoc::GetOffsetAnzeige() const {
    // The offset is a difference, so both directions go through the span operations.
    const CEinheiten display = DisplayUnitConverter();
    return {display.SpanFromScale(RangeUnitConverter().SpanToScale(GetOffset())), display.DisplayDecimals()};
}

void CQuillonDoc::SetOffsetAnzeige(double value) {
    const double scale = DisplayUnitConverter().SpanToScale(value);
    SetOffset(static_cast<float>(RangeUnitConverter().SpanFromScale(scale)));
}

CQuillonDoc::DisplayValue CQuillonDoc::GetNullpunktAnzeige() const {
    const CEinheiten display = DisplayUnitConverter();
    return {display.SpanFromScale(GetNullpunktsfenster()), display.DisplayDecimals()};
}

void CQuillonDoc::SetNullpunktAnzeige(double value) {
    qint16 fenster = 0;
    CUtils::ClampToShort(DisplayUnitConverter().SpanToScale(value), fenster);
    SetNullpunktsfenster(fenster);
}

void CQuillonDoc::SetBezeichnung(const QByteArray& text) {
    m_Parameter.m_strBezeichnung = text.leftJustified(kBezeichnungLaenge, ' ');
}

bool CQuillonDoc::IsStromGueltig(float mA) {
    return mA >= 0.0f && mA <= kStromMax;
}

void CQuillonDoc::SetStromgrenzeMin(float mA) {
    if (IsStromGueltig(mA)) {
        m_Parameter.m_fStromgrenzeMin = mA;
    }
}

void CQuillonDoc::SetStromgrenzeMax(float mA) {
    if (IsStromGueltig(mA)) {
        m_Parameter.m_fStromgrenzeMax = mA;
    }
}

void CQuillonDoc::SetFehlerstrom(float mA) {
    if (IsStromGueltig(mA)) {
        m_Parameter.m_fFehlerstrom = mA;
    }
}

void CQuillonDoc::SetLinTabAnzahl(int n) {
    if (n >= 0 && n <= kLinTabPunkte) {
        m_Parameter.m_nLinTabAnzahl = n;
    }
}

float CQuillonDoc::GetLinTabX(int i) const {
    return IsPunkt(i) ? m_Parameter.m_fLinTabX[static_cast<std::size_t>(i)] : 0.0f;
}

void CQuillonDoc::SetLinTabX(int i, float f) {
    if (IsPunkt(i)) {
        m_Parameter.m_fLinTabX[static_cast<std::size_t>(i)] = f;
    }
}

float CQuillonDoc::GetLinTabY(int i) const {
    return IsPunkt(i) ? m_Parameter.m_fLinTabY[static_cast<std::size_t>(i)] : 0.0f;
}

void CQuillonDoc::SetLinTabY(int i, float f) {
    if (IsPunkt(i)) {
        m_Parameter.m_fLinTabY[static_cast<std::size_t>(i)] = f;
    }
}

QString CQuillonDoc::GetKennungText() const {
    return CWindows1252::ToUnicode(GetKennung());
}

QString CQuillonDoc::GetSeriennummerText() const {
    return CWindows1252::ToUnicode(GetSeriennummer());
}

QString CQuillonDoc::GetBezeichnungText() const {
    return CWindows1252::ToUnicode(GetBezeichnung());
}

void CQuillonDoc::SetBezeichnungText(const QString& text) {
    SetBezeichnung(CWindows1252::FromUnicode(text));
}

float CQuillonDoc::GetMesswert(int i) const {
    return (i >= 0 && i < kMesswerte) ? m_fMesswert[static_cast<std::size_t>(i)] : 0.0f;
}

void CQuillonDoc::SetMesswert(int i, float f) {
    if (i >= 0 && i < kMesswerte) {
        m_fMesswert[static_cast<std::size_t>(i)] = f;
    }
}

QString CQuillonDoc::GetMasterPasswort() {
    return QStringLiteral("7hqw25mtkzsyj6193");
}

QString CQuillonDoc::GetMasterCode() {
    return QStringLiteral("pkrwhz4m620qtgx");
}
