#include "sim/SimTransmitter.h"

#include "base/Einheiten.h"
#include "base/Utils.h"
#include "core/Logging.h"

#include <cmath>

namespace {

using PL = CSimCatalogue::ParamLayout;

constexpr int kPointBytes = 8; // a table point: two longs
constexpr int kFirstPoint = 2; // the point count word comes first
constexpr int kRegisterPayload = 7;
constexpr int kBlockTablePayload = 25;

quint16 ReadWord(const QByteArray& area, int byte) {
    return static_cast<quint16>(static_cast<quint8>(area.at(byte)) |
                                (static_cast<quint8>(area.at(byte + 1)) << 8));
}

void WriteWord(QByteArray& area, int byte, quint16 value) {
    area[byte] = static_cast<char>(value & 0xFF);
    area[byte + 1] = static_cast<char>(value >> 8);
}

qint32 ReadLong(const QByteArray& area, int byte) {
    return static_cast<qint32>(ReadWord(area, byte) | (static_cast<quint32>(ReadWord(area, byte + 2)) << 16));
}

void WriteLong(QByteArray& area, int byte, qint32 value) {
    WriteWord(area, byte, static_cast<quint16>(value & 0xFFFF));
    WriteWord(area, byte + 2, static_cast<quint16>((static_cast<quint32>(value) >> 16) & 0xFFFF));
}

bool IsUpperHex(const QByteArray& text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

QByteArray HexLongHighFirst(qint32 value) {
    return QByteArray::number(static_cast<quint32>(value), 16).toUpper().rightJustified(8, '0');
}

CSimSignal::Shape PressureShape(int nTyp) {
    // The VN62's main value is the difference of its two inputs: a small share of the range.
    if (nTyp == CSimCatalogue::kVN62) {
        return {0.10, 0.03, 90.0, 0.004, 0.001, 0.5};
    }
    return {0.45, 0.05, 120.0, 0.01, 0.002, 0.0};
}

} // namespace

const CSimTransmitter::Command CSimTransmitter::kCommands[] = {
    {0x30, &CSimTransmitter::GetOutput},
    {0x31, &CSimTransmitter::GetKennung},
    {0x32, &CSimTransmitter::GetMesswert},
    {0x33, &CSimTransmitter::GetAdc},
    {0x34, &CSimTransmitter::GetTemperatur},
    {0x35, &CSimTransmitter::ReadScaled},
    {0x36, &CSimTransmitter::ReadScaled},
    {0x37, &CSimTransmitter::ReadScaled},
    {0x38, &CSimTransmitter::ReadScaled},
    {0x39, &CSimTransmitter::ReadScaled},
    {0x3A, &CSimTransmitter::GetTag},
    {0x3B, &CSimTransmitter::GetGrundmessbereich},
    {0x3C, &CSimTransmitter::GetGrundmessbereich},
    {0x3D, &CSimTransmitter::GetSerial},
    {0x3E, &CSimTransmitter::GetEinheit},
    {0x3F, &CSimTransmitter::GetTablePoints},
    {0x40, &CSimTransmitter::SetRelease},
    {0x45, &CSimTransmitter::WriteScaled},
    {0x46, &CSimTransmitter::WriteScaled},
    {0x47, &CSimTransmitter::WriteScaled},
    {0x48, &CSimTransmitter::WriteScaled},
    {0x49, &CSimTransmitter::WriteScaled},
    {0x4A, &CSimTransmitter::SetTag},
    {0x4F, &CSimTransmitter::SetTableBlock},
    {0x50, &CSimTransmitter::EnableCalibration},
    {0x51, &CSimTransmitter::ReadCalWord},
    {0x61, &CSimTransmitter::WriteCalWord},
    {0x62, &CSimTransmitter::SetSerial},
    {0x63, &CSimTransmitter::StoreCalWords},
    {0x64, &CSimTransmitter::SetDacCommand},
    {0x65, &CSimTransmitter::WriteRegister},
    {0x71, &CSimTransmitter::ReadScaled},
    {0x72, &CSimTransmitter::ReadScaled},
    {0x73, &CSimTransmitter::ReadScaled},
    {0x74, &CSimTransmitter::GetTableCount},
    {0x75, &CSimTransmitter::ReadScaled},
    {0x76, &CSimTransmitter::ReadScaled},
    {0x77, &CSimTransmitter::ReadScaled},
    {0x78, &CSimTransmitter::GetTempAdc},
    {0x79, &CSimTransmitter::WriteScaled},
    {0x7A, &CSimTransmitter::WriteScaled},
    {0x81, &CSimTransmitter::WriteScaled},
    {0x82, &CSimTransmitter::WriteScaled},
    {0x83, &CSimTransmitter::WriteScaled},
    {0x84, &CSimTransmitter::SetTableCount},
    {0x85, &CSimTransmitter::BeginWrite},
    {0x86, &CSimTransmitter::WriteBlock},
    {0x87, &CSimTransmitter::EndWrite},
    {0x90, &CSimTransmitter::GetExtra},
};

const CSimTransmitter::ScaledValue CSimTransmitter::kScaledValues[] = {
    {0x35, 0x45, &PL::ma, kDigitRange},      {0x36, 0x46, &PL::me, kDigitRange},
    {0x37, 0x47, &PL::offset, kDigitDevice}, {0x38, 0x48, &PL::spanne, 4}, // the span factor, 10000 = 1.0000
    {0x39, 0x49, &PL::daempfung, 1},         {0x75, 0x00, &PL::tempDaempfung, 1},
    {0x71, 0x81, &PL::fehlerstrom, 2},       {0x72, 0x82, &PL::stromMin, 2},
    {0x73, 0x83, &PL::stromMax, 2},          {0x76, 0x79, &PL::tastatursperre, 0},
    {0x77, 0x7A, &PL::nullpunkt, 0},
};

CSimTransmitter::CSimTransmitter(int nTyp, const QByteArray& kennung)
    : m_nTyp(CSimCatalogue::IsValidTyp(nTyp) ? nTyp : 2)
    , m_kennung(kennung.isEmpty() ? CSimCatalogue::DefaultKennung(m_nTyp) : kennung)
    , m_parameter(CSimCatalogue::kParameterBytes, '\0')
    , m_table(CSimCatalogue::kTableBytes, '\0')
    , m_calWords(CSimCatalogue::kCalWords, 0)
    , m_pressure(PressureShape(m_nTyp))
    , m_pressure2({0.60, 0.04, 150.0, 0.005, 0.001, 1.0})
    , m_temperature({22.0, 1.5, 300.0, 0.1, 0.05, 0.0}) {
    InitFactoryState();
}

void CSimTransmitter::InitFactoryState() {
    const CSimCatalogue::Range range = CSimCatalogue::DefaultRange(m_nTyp);
    const CSimCatalogue::CalLayout& cal = CalLayout();
    const PL& par = ParamLayout();

    // Factory record: the calibration points of the input and output and the range the device is made for.
    for (int i = 0; i < 5; ++i) {
        SetCal(cal.adc + i, 20000 + 5000 * i);
        if (cal.adc2 != CSimCatalogue::kNone) {
            SetCal(cal.adc2 + i, 20000 + 5000 * i);
        }
    }
    const int dac[] = {600, 2000, 3280, 400, 2000};
    const int dac2[] = {770, 2260, 3800, 400, 2000};
    for (int i = 0; i < 5; ++i) {
        SetCal(cal.dac + i, dac[i]);
        if (cal.dac2 != CSimCatalogue::kNone) {
            SetCal(cal.dac2 + i, dac2[i]);
        }
    }
    SetCal(cal.tempAdc, 35000);
    SetCal(cal.tempAdc + 1, 45000);
    SetCal(cal.tempAdc2, 40000);
    SetCal(cal.werksOffset, 0);
    SetCal(cal.werksSpanne, 10000);
    SetCal(cal.werksOffset2, 0);
    SetCal(cal.werksSpanne2, 10000);
    SetCal(cal.kommaPos, range.dezimalstellen);
    SetCal(cal.bereichAnfang, range.anfang);
    SetCal(cal.bereichEnde, range.ende);
    if (cal.abglBereich != CSimCatalogue::kNone) {
        SetCal(cal.abglBereich, range.anfang);
        SetCal(cal.abglBereich + 1, range.ende);
    }
    SetCal(cal.gain, 2);
    SetCal(cal.einheit, range.einheit);
    SetReleased(true);
    const QByteArray serial = CSimCatalogue::DefaultSerial(m_nTyp);
    for (int i = 0; i < CSimCatalogue::kSerialLength / 2; ++i) {
        SetCal(cal.serial + i,
               static_cast<quint8>(serial.at(2 * i)) | (static_cast<quint8>(serial.at(2 * i + 1)) << 8));
    }
    if (m_nTyp == 0 || m_nTyp == 1) {
        InitRX89Temperature();
    }

    // Parameter area: the set range is the base range, with the usual settings of a new device.
    if (IsKA71()) {
        SetParamWord(par.ma, 0);
        SetParamWord(par.me, CEinheiten::kScale);
        SetParamWord(par.anzeigeEinheit, 2); // the display shows mbar
        SetParamWord(par.freiEnde, 1000);
    } else {
        SetParamWord(par.ma, static_cast<quint16>(range.anfang));
        SetParamWord(par.me, static_cast<quint16>(range.ende));
        SetParamWord(par.tempDaempfung, 10);
    }
    SetParamWord(par.daempfung, 5);
    SetParamWord(par.spanne, 10000);
    SetParamWord(par.stromMin, 380);
    SetParamWord(par.stromMax, 2250);
    SetParamWord(par.fehlerstrom, 360);
    const QByteArray tag = CSimCatalogue::DefaultTag(m_nTyp);
    m_parameter.replace(par.tagByte, CSimCatalogue::kTagLength, tag);
}

void CSimTransmitter::InitRX89Temperature() {
    // Temperature compensation of the RX89: tables A (4 mA), B (20 mA) and C (temperatures) in slots 0..6,
    // reference words, the measured currents and temperatures of the six calibration points (slots 0..4
    // and 6) and their checksum, as the temperature calibration leaves them.
    const int temperatures[7] = {-20, 0, 20, 40, 60, 70, 80};
    int checksum = 0;
    for (int s = 0; s < 7; ++s) {
        SetCal(s, 12000);
        SetCal(7 + s, 52000);
        SetCal(14 + s, temperatures[s] * 16 / 10 * 8);
        if (s != 5) {
            SetCal(32 + s, 1600);
            SetCal(39 + s, 8000);
            SetCal(46 + s, temperatures[s]);
            checksum = (checksum + 1600 + 8000 + temperatures[s]) % 10000;
        }
    }
    SetCal(21, 1000);
    SetCal(22, 5000);
    SetCal(28, 2000);
    SetCal(29, 6000);
    SetCal(53, checksum);
}

int CSimTransmitter::Typ() const {
    return m_nTyp;
}

const QByteArray& CSimTransmitter::Kennung() const {
    return m_kennung;
}

void CSimTransmitter::SetKennung(const QByteArray& kennung) {
    m_kennung = kennung;
}

bool CSimTransmitter::IsErweitert() const {
    return CSimCatalogue::IsErweitert(m_kennung);
}

QByteArray& CSimTransmitter::Parameter() {
    return m_parameter;
}

const QByteArray& CSimTransmitter::Parameter() const {
    return m_parameter;
}

QByteArray& CSimTransmitter::Table() {
    return m_table;
}

const QByteArray& CSimTransmitter::Table() const {
    return m_table;
}

QList<quint16>& CSimTransmitter::CalWords() {
    return m_calWords;
}

const QList<quint16>& CSimTransmitter::CalWords() const {
    return m_calWords;
}

bool CSimTransmitter::Released() const {
    return m_bReleased;
}

void CSimTransmitter::SetReleased(bool bReleased) {
    // The release is the factory record's "EnableParametrierung", kept twice.
    m_bReleased = bReleased;
    SetCal(CalLayout().enable, bReleased ? 1 : 0);
    SetCal(CalLayout().enableCopy, bReleased ? 1 : 0);
}

int CSimTransmitter::Dac() const {
    return m_nDac;
}

void CSimTransmitter::SetDac(int nDac) {
    m_nDac = nDac;
}

bool CSimTransmitter::CalibrationEnabled() const {
    return m_bCalibrationEnabled;
}

int CSimTransmitter::OpenArea() const {
    return m_nOpenArea;
}

int CSimTransmitter::StoreCount() const {
    return m_nStoreCount;
}

void CSimTransmitter::Restart() {
    m_nOpenArea = kNoArea;
    m_bCalibrationEnabled = false;
    m_nDac = kDacFree;
}

const CSimCatalogue::ParamLayout& CSimTransmitter::ParamLayout() const {
    return CSimCatalogue::Param(m_nTyp);
}

const CSimCatalogue::CalLayout& CSimTransmitter::CalLayout() const {
    return CSimCatalogue::Cal(m_nTyp, IsErweitert());
}

quint16 CSimTransmitter::ParamWord(int index) const {
    if (index < 0 || 2 * index + 1 >= m_parameter.size()) {
        return 0;
    }
    return ReadWord(m_parameter, 2 * index);
}

void CSimTransmitter::SetParamWord(int index, quint16 value) {
    if (index >= 0 && 2 * index + 1 < m_parameter.size()) {
        WriteWord(m_parameter, 2 * index, value);
    }
}

QByteArray CSimTransmitter::Tag() const {
    return m_parameter.mid(ParamLayout().tagByte, CSimCatalogue::kTagLength);
}

QByteArray CSimTransmitter::Serial() const {
    QByteArray serial;
    const int first = CalLayout().serial;
    for (int i = 0; i < CSimCatalogue::kSerialLength / 2; ++i) {
        const quint16 word = m_calWords.at(first + i);
        serial.append(static_cast<char>(word & 0xFF));
        serial.append(static_cast<char>(word >> 8));
    }
    return serial;
}

int CSimTransmitter::Dezimalstellen() const {
    return qBound(0, static_cast<int>(m_calWords.at(CalLayout().kommaPos)), 4);
}

int CSimTransmitter::TableCount() const {
    return ReadWord(m_table, 0);
}

qint32 CSimTransmitter::TableX(int point) const {
    return ReadLong(m_table, kFirstPoint + kPointBytes * point);
}

qint32 CSimTransmitter::TableY(int point) const {
    return ReadLong(m_table, kFirstPoint + kPointBytes * point + 4);
}

void CSimTransmitter::SetCal(int word, int value) {
    if (word >= 0 && word < m_calWords.size()) {
        m_calWords[word] = static_cast<quint16>(value & 0xFFFF);
    }
}

qint16 CSimTransmitter::CalSigned(int word) const {
    return static_cast<qint16>(m_calWords.at(word));
}

bool CSimTransmitter::IsKA71() const {
    return m_nTyp == CSimCatalogue::kKA71;
}

double CSimTransmitter::BaseLo() const {
    return CalSigned(CalLayout().bereichAnfang);
}

double CSimTransmitter::BaseHi() const {
    return CalSigned(CalLayout().bereichEnde);
}

std::optional<QByteArray> CSimTransmitter::Answer(quint8 command, const QByteArray& payload, qint64 nowMs) {
    for (const Command& entry : kCommands) {
        if (entry.code == command) {
            std::optional<QByteArray> reply = (this->*entry.handler)(command, payload, nowMs);
            if (!reply) {
                qCDebug(lcSim) << "transmitter ignores command" << Qt::hex << command << payload;
            }
            return reply;
        }
    }
    qCDebug(lcSim) << "transmitter does not know command" << Qt::hex << command;
    return std::nullopt;
}

// ---- encodings

int CSimTransmitter::DigitOf(int digit) const {
    if (digit == kDigitRange) {
        return IsKA71() ? 0 : Dezimalstellen();
    }
    return digit == kDigitDevice ? Dezimalstellen() : digit;
}

QByteArray CSimTransmitter::Number(double counts, int digit) {
    // The number text of a reply is the value in digits, as the request form prints it, then the digit
    // that says how many of them are decimals.
    return CUtils::FormatScaled(static_cast<float>(CUtils::RoundToInt(counts)), 0) +
           QByteArray(1, static_cast<char>('0' + digit));
}

std::optional<int> CSimTransmitter::ParseInt(const QByteArray& text) {
    QByteArray digits = text;
    if (digits.startsWith('+') || digits.startsWith('-')) {
        digits.remove(0, 1);
    }
    if (digits.isEmpty() || digits.size() > 9) {
        return std::nullopt;
    }
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const int value = text.toInt();
    if (value < -32768 || value > 65535) {
        return std::nullopt;
    }
    return value;
}

const CSimTransmitter::ScaledValue* CSimTransmitter::FindScaled(quint8 code, bool bWrite) const {
    for (const ScaledValue& value : kScaledValues) {
        if ((bWrite ? value.write : value.read) == code) {
            return &value;
        }
    }
    return nullptr;
}

// ---- measured values

double CSimTransmitter::PressureFraction(qint64 nowMs) {
    const double tau = ParamWord(ParamLayout().daempfung) / 10.0;
    return m_pressure.Damped(nowMs, tau);
}

double CSimTransmitter::MeasuredCounts(double fraction) const {
    // What the transmitter shows: the input with its offset and span corrections applied.
    const PL& par = ParamLayout();
    const double raw = BaseLo() + fraction * (BaseHi() - BaseLo());
    const double factor = ParamWord(par.spanne) / 10000.0;
    return raw * factor + static_cast<qint16>(ParamWord(par.offset));
}

double CSimTransmitter::Temperature(qint64 nowMs) {
    const int word = ParamLayout().tempDaempfung;
    const double tau = word == CSimCatalogue::kNone ? 0.0 : ParamWord(word) / 10.0;
    return m_temperature.Damped(nowMs, tau);
}

QByteArray CSimTransmitter::KA71Display(double fraction) const {
    // The KA71 reports what its four-digit display shows. With a table in use that is the free range
    // (contents of a tank, say): the table maps 0..10000 of the base range to free-range digits; without
    // one, the pressure in the display unit with the display decimals.
    const PL& par = ParamLayout();
    const int count = qMin(TableCount(), CSimCatalogue::kTablePoints);
    double shown = 0.0;
    if (count > 0) {
        // Piecewise linear between the points, held at the first and last point outside them.
        const double x = fraction * CEinheiten::kScale;
        shown = TableY(0);
        for (int i = 1; i < count; ++i) {
            const double x0 = TableX(i - 1);
            const double x1 = TableX(i);
            if (x > x1) {
                shown = TableY(i);
            } else if (x >= x0 && x1 > x0) {
                // The table's integers may lie far apart: their difference does not fit an int.
                const double y0 = TableY(i - 1);
                shown = y0 + (TableY(i) - y0) * (x - x0) / (x1 - x0);
                break;
            }
        }
    } else {
        const int dez = Dezimalstellen();
        const double p = CUtils::PowerOfTen(dez);
        const CEinheiten units(m_nTyp, static_cast<float>(BaseLo() / p), static_cast<float>(BaseHi() / p),
                               dez, m_calWords.at(CalLayout().einheit), ParamWord(par.anzeigeEinheit));
        const CEinheiten::Range range = units.ScaledRange();
        const double value = range.lo + (range.hi - range.lo) * fraction;
        const bool same = m_calWords.at(CalLayout().einheit) == ParamWord(par.anzeigeEinheit);
        shown = same ? value * CUtils::PowerOfTen(range.n) : value;
    }
    return Number(qBound(-99999.0, shown, 99999.0), Dezimalstellen());
}

std::optional<QByteArray> CSimTransmitter::GetMesswert(quint8, const QByteArray&, qint64 nowMs) {
    const double fraction = PressureFraction(nowMs);
    if (IsKA71()) {
        return KA71Display(fraction);
    }
    const int dez = Dezimalstellen();
    const auto bounded = [](double counts) { return qBound(-99999.0, counts, 99999.0); };
    QByteArray reply = Number(bounded(MeasuredCounts(fraction)), dez);
    if (m_nTyp == CSimCatalogue::kVN62) {
        // Differential pressure, then the two input pressures P1 and P2, seven characters each.
        const double p1 = m_pressure2.Damped(nowMs, ParamWord(ParamLayout().daempfung) / 10.0);
        const double span = BaseHi() - BaseLo();
        const double p1Counts = BaseLo() + p1 * span;
        const double p2Counts = p1Counts - fraction * span;
        reply += Number(bounded(p1Counts), dez) + Number(bounded(p2Counts), dez);
    }
    return reply;
}

std::optional<QByteArray> CSimTransmitter::GetTemperatur(quint8, const QByteArray&, qint64 nowMs) {
    // Tenths of a degree; below zero as the 16-bit two's complement, as the transmitter's converter has it.
    const qint32 tenths = CUtils::RoundToInt(Temperature(nowMs) * 10.0);
    return Number(static_cast<quint16>(tenths & 0xFFFF), 1);
}

std::optional<QByteArray> CSimTransmitter::GetOutput(quint8, const QByteArray&, qint64 nowMs) {
    // The loop current in hundredths of a mA: from the forced converter value while "SetDAC" holds the
    // output, otherwise from the measured value over the set range, kept within the current limits.
    const PL& par = ParamLayout();
    const CSimCatalogue::CalLayout& cal = CalLayout();
    double current = 0.0;
    if (m_nDac != kDacFree) {
        const double d0 = m_calWords.at(cal.dac);
        const double d2 = m_calWords.at(cal.dac + 2);
        current = d2 > d0 ? 400.0 + 1600.0 * (m_nDac - d0) / (d2 - d0) : 0.0;
    } else {
        const double fraction = PressureFraction(nowMs);
        double ma = static_cast<qint16>(ParamWord(par.ma));
        double me = static_cast<qint16>(ParamWord(par.me));
        double value = MeasuredCounts(fraction);
        if (IsKA71()) {
            value = fraction * CEinheiten::kScale;
        }
        current = me != ma ? 400.0 + 1600.0 * (value - ma) / (me - ma) : 400.0;
        current = qBound<double>(ParamWord(par.stromMin), current, ParamWord(par.stromMax));
    }
    return Number(qBound(0.0, current, 9999.0), 2);
}

std::optional<QByteArray> CSimTransmitter::GetAdc(quint8, const QByteArray& payload, qint64 nowMs) {
    if (payload.size() > 1) {
        return std::nullopt;
    }
    // The converter reading of each input before any correction, on the line through the factory's
    // first and last calibration point over the base range.
    const CSimCatalogue::CalLayout& cal = CalLayout();
    const auto reading = [this](int adcWord, double fraction) {
        const double a0 = m_calWords.at(adcWord);
        const double a4 = m_calWords.at(adcWord + 4);
        const int value = CUtils::RoundToInt(qBound(0.0, a0 + fraction * (a4 - a0), 65535.0));
        return QByteArray::number(value).rightJustified(6, '0');
    };
    const double fraction = PressureFraction(nowMs);
    if (m_nTyp != CSimCatalogue::kVN62) {
        return reading(cal.adc, fraction);
    }
    const double p1 = m_pressure2.Damped(nowMs, ParamWord(ParamLayout().daempfung) / 10.0);
    return reading(cal.adc, p1) + reading(cal.adc2, p1 - fraction);
}

std::optional<QByteArray> CSimTransmitter::GetTempAdc(quint8, const QByteArray& payload, qint64 nowMs) {
    if (payload.size() > 1) {
        return std::nullopt;
    }
    // The two temperature reference readings belong to 0 °C and 100 °C.
    const CSimCatalogue::CalLayout& cal = CalLayout();
    const double t0 = m_calWords.at(cal.tempAdc);
    const double t1 = m_calWords.at(cal.tempAdc + 1);
    const double value = qBound(0.0, t0 + (t1 - t0) * Temperature(nowMs) / 100.0, 65535.0);
    return QByteArray::number(CUtils::RoundToInt(value)).rightJustified(6, '0');
}

// ---- identification, range and texts

std::optional<QByteArray> CSimTransmitter::GetKennung(quint8, const QByteArray&, qint64) {
    return m_kennung.left(48);
}

std::optional<QByteArray> CSimTransmitter::GetGrundmessbereich(quint8 command, const QByteArray&, qint64) {
    const int word = command == 0x3B ? CalLayout().bereichAnfang : CalLayout().bereichEnde;
    return Number(CalSigned(word), Dezimalstellen());
}

std::optional<QByteArray> CSimTransmitter::GetEinheit(quint8, const QByteArray&, qint64) {
    const int einheit = qBound(0, static_cast<int>(m_calWords.at(CalLayout().einheit)), 9);
    QByteArray reply(1, static_cast<char>('0' + einheit));
    if (IsKA71()) {
        reply +=
            static_cast<char>('0' + qBound(0, static_cast<int>(ParamWord(ParamLayout().anzeigeEinheit)), 9));
    }
    return reply;
}

std::optional<QByteArray> CSimTransmitter::GetTag(quint8, const QByteArray&, qint64) {
    return Tag();
}

std::optional<QByteArray> CSimTransmitter::SetTag(quint8, const QByteArray& payload, qint64) {
    m_parameter.replace(
        ParamLayout().tagByte, CSimCatalogue::kTagLength,
        payload.left(CSimCatalogue::kTagLength).leftJustified(CSimCatalogue::kTagLength, ' '));
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::GetSerial(quint8, const QByteArray&, qint64) {
    return Serial();
}

std::optional<QByteArray> CSimTransmitter::SetSerial(quint8, const QByteArray& payload, qint64) {
    const QByteArray serial =
        payload.left(CSimCatalogue::kSerialLength).leftJustified(CSimCatalogue::kSerialLength, ' ');
    for (int i = 0; i < CSimCatalogue::kSerialLength / 2; ++i) {
        SetCal(CalLayout().serial + i,
               static_cast<quint8>(serial.at(2 * i)) | (static_cast<quint8>(serial.at(2 * i + 1)) << 8));
    }
    return QByteArray(kAck);
}

// ---- parameter values

std::optional<QByteArray> CSimTransmitter::ReadScaled(quint8 command, const QByteArray&, qint64) {
    const ScaledValue* value = FindScaled(command, false);
    const int word = ParamLayout().*(value->field);
    if (word == CSimCatalogue::kNone) {
        return Number(0, DigitOf(value->digit)); // the family has no such setting
    }
    return Number(static_cast<qint16>(ParamWord(word)), DigitOf(value->digit));
}

std::optional<QByteArray> CSimTransmitter::WriteScaled(quint8 command, const QByteArray& payload, qint64) {
    const ScaledValue* value = FindScaled(command, true);
    const int word = ParamLayout().*(value->field);
    const std::optional<int> number = ParseInt(payload);
    if (!number || word == CSimCatalogue::kNone) {
        return std::nullopt;
    }
    SetParamWord(word, static_cast<quint16>(*number & 0xFFFF));
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::SetRelease(quint8, const QByteArray& payload, qint64) {
    if (payload != "0" && payload != "1") {
        return std::nullopt;
    }
    SetReleased(payload == "1");
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::GetExtra(quint8, const QByteArray& payload, qint64) {
    const PL& par = ParamLayout();
    const int words[] = {par.anzeigeEinheit, par.freiDezimalpunkt, par.freiAnfang, par.freiEnde, par.medium};
    if (!IsKA71() || payload.size() != 1 || payload.at(0) < '0' || payload.at(0) > '4') {
        return std::nullopt;
    }
    return Number(static_cast<qint16>(ParamWord(words[payload.at(0) - '0'])), 0);
}

// ---- linearization table

std::optional<QByteArray> CSimTransmitter::GetTableCount(quint8, const QByteArray&, qint64) {
    return QByteArray::number(qBound(0, TableCount(), 99)).rightJustified(2, '0');
}

std::optional<QByteArray> CSimTransmitter::SetTableCount(quint8, const QByteArray& payload, qint64) {
    const std::optional<int> count = ParseInt(payload);
    if (!count || *count < 0 || *count > CSimCatalogue::kTablePoints) {
        return std::nullopt;
    }
    WriteWord(m_table, 0, static_cast<quint16>(*count));
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::GetTablePoints(quint8, const QByteArray& payload, qint64) {
    if (payload.size() != 1) {
        return std::nullopt;
    }
    const int index = static_cast<quint8>(payload.at(0)) - '0';
    if (CSimCatalogue::HasBlockTable(m_nTyp)) {
        // Three points as 16-bit words, most significant digit first.
        if (index < 0 || index >= CSimCatalogue::kTablePoints / 3) {
            return std::nullopt;
        }
        QByteArray reply;
        for (int k = 0; k < 3; ++k) {
            reply += CUtils::WordToHexHighFirst(static_cast<quint16>(TableX(3 * index + k) & 0xFFFF));
            reply += CUtils::WordToHexHighFirst(static_cast<quint16>(TableY(3 * index + k) & 0xFFFF));
        }
        return reply;
    }
    if (index < 0 || index >= CSimCatalogue::kTablePoints) {
        return std::nullopt;
    }
    return HexLongHighFirst(TableX(index)) + HexLongHighFirst(TableY(index));
}

std::optional<QByteArray> CSimTransmitter::SetTableBlock(quint8, const QByteArray& payload, qint64) {
    if (!CSimCatalogue::HasBlockTable(m_nTyp) || payload.size() != kBlockTablePayload ||
        payload.at(0) < '0' || payload.at(0) > '9' || !IsUpperHex(payload.mid(1))) {
        return std::nullopt;
    }
    const int block = payload.at(0) - '0';
    for (int k = 0; k < 3; ++k) {
        const int point = 3 * block + k;
        const auto x = static_cast<qint16>(CUtils::HexToWord(payload.mid(1 + 8 * k, 4)));
        const auto y = static_cast<qint16>(CUtils::HexToWord(payload.mid(5 + 8 * k, 4)));
        WriteLong(m_table, kFirstPoint + kPointBytes * point, x);
        WriteLong(m_table, kFirstPoint + kPointBytes * point + 4, y);
    }
    return QByteArray(kAck);
}

// ---- calibration words, converter and registers

std::optional<QByteArray> CSimTransmitter::EnableCalibration(quint8, const QByteArray&, qint64) {
    m_bCalibrationEnabled = true;
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::ReadCalWord(quint8, const QByteArray& payload, qint64) {
    if (payload.size() != 1) {
        return std::nullopt;
    }
    const int word = static_cast<quint8>(payload.at(0)) - '0';
    if (word < 0 || word >= m_calWords.size()) {
        return std::nullopt;
    }
    return QByteArray::number(m_calWords.at(word)).rightJustified(5, '0');
}

std::optional<QByteArray> CSimTransmitter::WriteCalWord(quint8, const QByteArray& payload, qint64) {
    if (payload.size() < 2) {
        return std::nullopt;
    }
    const int word = static_cast<quint8>(payload.at(0)) - '0';
    const std::optional<int> value = ParseInt(payload.mid(1));
    if (word < 0 || word >= m_calWords.size() || !value) {
        return std::nullopt;
    }
    SetCal(word, *value);
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::StoreCalWords(quint8, const QByteArray&, qint64) {
    ++m_nStoreCount;
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::SetDacCommand(quint8, const QByteArray& payload, qint64) {
    const std::optional<int> value = ParseInt(payload);
    if (!value || *value < 0) {
        return std::nullopt;
    }
    m_nDac = *value;
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::WriteRegister(quint8, const QByteArray& payload, qint64) {
    // Register "0xx" is calibration word xx, register "1xx" word xx of the parameter area.
    if (payload.size() != kRegisterPayload || !IsUpperHex(payload) ||
        (payload.at(0) != '0' && payload.at(0) != '1')) {
        return std::nullopt;
    }
    const int word = CUtils::HexToByte(payload.mid(1, 2));
    const quint16 value = CUtils::HexToWord(payload.mid(3, 4));
    if (payload.at(0) == '0') {
        if (word >= m_calWords.size()) {
            return std::nullopt;
        }
        SetCal(word, value);
    } else {
        if (2 * word + 1 >= m_parameter.size()) {
            return std::nullopt;
        }
        SetParamWord(word, value);
    }
    return QByteArray(kAck);
}

// ---- memory images

std::optional<QByteArray> CSimTransmitter::BeginWrite(quint8, const QByteArray& payload, qint64) {
    if (payload != "0" && payload != "1" && payload != "2") {
        return std::nullopt;
    }
    m_nOpenArea = payload.at(0) - '0';
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::WriteBlock(quint8, const QByteArray& payload, qint64) {
    // Address byte, then up to ten bytes; only inside a begun block write.
    if (m_nOpenArea == kNoArea || payload.size() < 2 || payload.size() % 2 != 0 || !IsUpperHex(payload)) {
        return std::nullopt;
    }
    const int address = CUtils::HexToByte(payload);
    const int count = static_cast<int>(payload.size()) / 2 - 1;
    for (int i = 0; i < count; ++i) {
        const auto byte = CUtils::HexToByte(payload.mid(2 + 2 * i, 2));
        const int at = address + i;
        if (m_nOpenArea == 1 && at < m_parameter.size()) {
            m_parameter[at] = static_cast<char>(byte);
        } else if (m_nOpenArea == 2 && at < m_table.size()) {
            m_table[at] = static_cast<char>(byte);
        } else if (m_nOpenArea == 0 && at / 2 < m_calWords.size()) {
            quint16& word = m_calWords[at / 2];
            word = (at % 2 == 0) ? static_cast<quint16>((word & 0xFF00) | byte)
                                 : static_cast<quint16>((word & 0x00FF) | (byte << 8));
        }
    }
    return QByteArray(kAck);
}

std::optional<QByteArray> CSimTransmitter::EndWrite(quint8, const QByteArray& payload, qint64) {
    if (payload != "0" && payload != "1" && payload != "2") {
        return std::nullopt;
    }
    if (m_nOpenArea == 0) {
        // The record's own copy of the release decides it from now on.
        m_bReleased = m_calWords.at(CalLayout().enable) != 0;
    }
    m_nOpenArea = kNoArea;
    return QByteArray(kAck);
}
