#pragma once

#include "base/Einheiten.h"
#include "document/Abgleichdaten.h"
#include "document/InterfaceInfo.h"
#include "document/ParameterSatz.h"
#include "document/SettingsRegistry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <array>

class IOperator;
class IProfileStore;

/// The one document of the program: the parameter set of one transmitter, the last live values, the
/// settings of the profile, the passwords, and the calibration and interface records. Every other part
/// reaches these values only through its operations.
///
/// Reply decoding lives in CReplyDecoder, the memory images in CBlockImage, the file format in
/// CDocumentFile, the settings in CSettingsRegistry and QlSet.cfg in CEinstellungen; the document keeps the
/// entry points.
class CQuillonDoc : public QObject {
    Q_OBJECT

public:
    static constexpr int kLinTabPunkte = CParameterSatz::kLinTabPunkte;
    static constexpr int kMesswerte = 6;
    static constexpr float kStromMax = 22.5f;
    static constexpr int kLogIntervallMin = CSettingsRegistry::kLogIntervallMin;
    static constexpr int kLogIntervallMax = CSettingsRegistry::kLogIntervallMax;

    /// A value exchanged with the edit dialogs in the display unit, with the decimals to show it with.
    struct DisplayValue {
        double value = 0.0;
        int decimals = 0;
    };

    /// programDir is where QlSet.cfg lives: the executable's directory in the product. The settings
    /// stay at their defaults until LoadSettings runs.
    CQuillonDoc(IOperator& op, QString programDir, QObject* parent = nullptr);

    IOperator& Operator() const { return m_operator; }
    const QString& GetProgrammVerzeichnis() const { return m_strProgrammVerzeichnis; }

    // --- Framework operations ----------------------------------------------------------------------
    /// The new-document command: a cleared parameter set that may not be sent.
    void OnNewDocument();
    /// Clears the parameter set and the live values; the type, the KA71 free range, the settings and
    /// the passwords stay.
    void ClearParameters();
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    /// Tells every view to show the document again.
    void UpdateAllViews();

    // --- Document file (Serialize) ------------------------------------------------------------------
    /// The file's bytes of the current parameter set.
    QByteArray SaveToBytes() const;
    /// Loads a document file's bytes. True when the parameter set was taken over. A refused file (old
    /// format declined, unknown version) gives false and m_bGueltig 0; a damaged one gives false with a
    /// message. In both cases the parameter set is the one the document held before.
    bool LoadFromBytes(QByteArrayView bytes);
    bool LoadFile(const QString& path);
    /// Saves through a temporary file that replaces the old one only when it is complete. On failure
    /// the user is told, the old file stays and the document stays modified.
    bool SaveFile(const QString& path);

    // --- Settings -----------------------------------------------------------------------------------
    /// Reads every settings group of the profile (the type last used becomes the document's type). A
    /// missing key, or one that holds no integer or a value the setting refuses, reads as its default.
    void LoadSettings(IProfileStore& profile);
    void SaveSettings(IProfileStore& profile) const;
    /// The settings as the running program uses them (CSettingsRegistry declares them); its
    /// "TransmitterVersion" is the type of the parameter set.
    CSettingsRegistry& Settings();
    const CSettingsRegistry& Settings() const;
    /// Takes over what a connect and a receive go by (port, interface, table option, type and function
    /// set), so that a document reading a transmitter beside this one connects as this one would.
    void TakeConnectionSettings(const CQuillonDoc& from);
    /// The release password of QlSet.cfg in the program directory, "qxv" when the file is missing or
    /// damaged.
    QString ReadCfgText() const;
    bool WriteCfgText(const QString& text) const;

    // --- Identification and type catalogue ----------------------------------------------------------
    /// Stores the identification of a "Get Device Info" reply (framed or plain) and derives the type
    /// from it; an identification that names no known model leaves the type alone.
    void SetKennung(const QByteArray& reply);
    /// Derives the extended function set from the identification reply as received.
    void SetErweitert(const QByteArray& reply);
    static QString GetTypText(int nTyp);
    QString GetEinheitText() const;
    QString GetAnzeigeEinheitText() const;
    QString GetEinheitTextFor(int nEinheit) const;
    bool IsDreiLeiter() const;
    bool IsKA71() const;
    /// The set range runs the other way than the base range.
    bool IsKennlinieInvers() const;

    // --- Display unit conversions (KA71) ------------------------------------------------------------
    double ConvertToAnzeigeEinheit(double value) const;
    /// The KA71 display range as the transmitter's 16-bit words hold it: counts truncated toward zero
    /// (0 to 32.1 kPa in Pa is 32100). A count beyond 16 bits is marked as overflow.
    CEinheiten::Range GetAnzeigeBereich() const;
    /// Between the 0 to 10000 scale of the display range and range values. A display range beyond 16
    /// bits is refused as a program error: the set range on the wire would be wrong.
    double FromPerTenThousand(double x) const;
    double ToPerTenThousand(double value) const;
    int GetAnzeigeDezimalstellen() const;
    DisplayValue GetOffsetAnzeige() const;
    void SetOffsetAnzeige(double value);
    DisplayValue GetNullpunktAnzeige() const;
    /// The zero window is a difference on the 0 to 10000 scale; the value is truncated toward zero and
    /// saturates at +-32000.
    void SetNullpunktAnzeige(double value);

    // --- Parameter set -------------------------------------------------------------------------------
    const CParameterSatz& GetParameterSatz() const { return m_Parameter; }
    /// Takes a parameter set over as a whole (a receive that read the whole set beside this document).
    void SetParameterSatz(const CParameterSatz& satz) { m_Parameter = satz; }
    int GetTyp() const { return m_Parameter.m_nTyp; }
    void SetTyp(int nTyp) { m_Parameter.m_nTyp = nTyp; }
    const QByteArray& GetKennung() const { return m_Parameter.m_strKennung; }
    const QByteArray& GetSeriennummer() const { return m_Parameter.m_strSeriennummer; }
    void SetSeriennummer(const QByteArray& text) { m_Parameter.m_strSeriennummer = text; }
    const QByteArray& GetBezeichnung() const { return m_Parameter.m_strBezeichnung; }
    /// Pads to 20 characters with blanks: the transmitter and the block images hold 20 tag characters.
    void SetBezeichnung(const QByteArray& text);
    int GetDezimalstellen() const { return m_Parameter.m_nDezimalstellen; }
    void SetDezimalstellen(int n) { m_Parameter.m_nDezimalstellen = n; }
    int GetEinheit() const { return m_Parameter.m_nEinheit; }
    void SetEinheit(int n) { m_Parameter.m_nEinheit = n; }
    int GetAnzeigeEinheit() const { return m_Parameter.m_nAnzeigeEinheit; }
    void SetAnzeigeEinheit(int n) { m_Parameter.m_nAnzeigeEinheit = n; }
    float GetGrundAnfang() const { return m_Parameter.m_fGrundAnfang; }
    void SetGrundAnfang(float f) { m_Parameter.m_fGrundAnfang = f; }
    float GetGrundEnde() const { return m_Parameter.m_fGrundEnde; }
    void SetGrundEnde(float f) { m_Parameter.m_fGrundEnde = f; }
    float GetMessAnfang() const { return m_Parameter.m_fMessAnfang; }
    void SetMessAnfang(float f) { m_Parameter.m_fMessAnfang = f; }
    float GetMessEnde() const { return m_Parameter.m_fMessEnde; }
    void SetMessEnde(float f) { m_Parameter.m_fMessEnde = f; }
    float GetOffset() const { return m_Parameter.m_fOffset; }
    void SetOffset(float f) { m_Parameter.m_fOffset = f; }
    float GetSpanne() const { return m_Parameter.m_fSpanne; }
    void SetSpanne(float f) { m_Parameter.m_fSpanne = f; }
    float GetDaempfung() const { return m_Parameter.m_fDaempfung; }
    void SetDaempfung(float f) { m_Parameter.m_fDaempfung = f; }
    float GetTempDaempfung() const { return m_Parameter.m_fTempDaempfung; }
    void SetTempDaempfung(float f) { m_Parameter.m_fTempDaempfung = f; }
    qint16 GetReserve() const { return m_Parameter.m_nReserve; }
    void SetReserve(qint16 n) { m_Parameter.m_nReserve = n; }
    qint16 GetTastatursperre() const { return m_Parameter.m_nTastatursperre; }
    void SetTastatursperre(qint16 n) { m_Parameter.m_nTastatursperre = n; }
    qint16 GetNullpunktsfenster() const { return m_Parameter.m_nNullpunktsfenster; }
    void SetNullpunktsfenster(qint16 n) { m_Parameter.m_nNullpunktsfenster = n; }
    /// The three currents accept 0.0 to 22.5 mA; any other value leaves them unchanged.
    float GetStromgrenzeMin() const { return m_Parameter.m_fStromgrenzeMin; }
    void SetStromgrenzeMin(float mA);
    float GetStromgrenzeMax() const { return m_Parameter.m_fStromgrenzeMax; }
    void SetStromgrenzeMax(float mA);
    float GetFehlerstrom() const { return m_Parameter.m_fFehlerstrom; }
    void SetFehlerstrom(float mA);
    int GetLinTabAnzahl() const { return m_Parameter.m_nLinTabAnzahl; }
    /// Accepts 0 to 30 points; any other count leaves it unchanged.
    void SetLinTabAnzahl(int n);
    /// Points 0 to 29; a getter outside gives 0.0, a setter outside does nothing.
    float GetLinTabX(int i) const;
    void SetLinTabX(int i, float f);
    float GetLinTabY(int i) const;
    void SetLinTabY(int i, float f);
    int GetFreiDezimalpunkt() const { return m_Parameter.m_nFreiDezimalpunkt; }
    void SetFreiDezimalpunkt(int n) { m_Parameter.m_nFreiDezimalpunkt = n; }
    qint16 GetFreiAnfang() const { return m_Parameter.m_nFreiAnfang; }
    void SetFreiAnfang(qint16 n) { m_Parameter.m_nFreiAnfang = n; }
    qint16 GetFreiEnde() const { return m_Parameter.m_nFreiEnde; }
    void SetFreiEnde(qint16 n) { m_Parameter.m_nFreiEnde = n; }
    int GetMedium() const { return m_Parameter.m_nMedium; }
    void SetMedium(int n) { m_Parameter.m_nMedium = n; }

    /// The texts for people: the bytes read in the transmitter's code page.
    QString GetKennungText() const;
    QString GetSeriennummerText() const;
    QString GetBezeichnungText() const;
    /// A tag typed by a person; characters the transmitter cannot show become "?".
    void SetBezeichnungText(const QString& text);

    // --- Live values and state -----------------------------------------------------------------------
    /// Entries 0 to 5; outside, the getter gives 0.0 and the setter does nothing.
    float GetMesswert(int i) const;
    void SetMesswert(int i, float f);
    float GetTemperatur() const { return m_fTemperatur; }
    void SetTemperatur(float f) { m_fTemperatur = f; }
    bool IsGueltig() const { return m_bGueltig; }
    void SetGueltig(bool gueltig) { m_bGueltig = gueltig; }
    bool IsErweitert() const { return m_bErweitert; }
    void SetErweitertFlag(bool erweitert) { m_bErweitert = erweitert; }

    // --- Settings of the profile (kept in the registry, which holds their defaults and ranges) ----------
    int GetShowHardwareSetup() const { return m_settings.Int(CSettingsRegistry::kShowHardwareSetup); }
    void SetShowHardwareSetup(int n) { m_settings.Set(CSettingsRegistry::kShowHardwareSetup, n); }
    int GetStartupHinweis() const { return m_settings.Int(CSettingsRegistry::kStartupHinweis); }
    void SetStartupHinweis(int n) { m_settings.Set(CSettingsRegistry::kStartupHinweis, n); }
    /// "Nach dem Senden prüfen": read the parameter set back after every send (off by default).
    int GetVerifyAfterSend() const { return m_settings.Int(CSettingsRegistry::kVerifyAfterSend); }
    void SetVerifyAfterSend(int n) { m_settings.Set(CSettingsRegistry::kVerifyAfterSend, n); }
    int GetComPort() const { return m_settings.Int(CSettingsRegistry::kCom); }
    void SetComPort(int n) { m_settings.Set(CSettingsRegistry::kCom, n); }
    /// 0 German, 1 English; any other value leaves it unchanged.
    int GetSprache() const { return m_settings.Int(CSettingsRegistry::kLanguage); }
    void SetSprache(int n) { m_settings.Set(CSettingsRegistry::kLanguage, n); }
    QString GetLogFile() const { return m_settings.Text(CSettingsRegistry::kLogFile); }
    void SetLogFile(const QString& path) { m_settings.Set(CSettingsRegistry::kLogFile, path); }
    /// 2 to 200 seconds; any other value leaves it unchanged.
    int GetLogIntervall() const { return m_settings.Int(CSettingsRegistry::kLogIntervall); }
    void SetLogIntervall(int n) { m_settings.Set(CSettingsRegistry::kLogIntervall, n); }
    int GetLogStatus() const { return m_settings.Int(CSettingsRegistry::kLogStatus); }
    void SetLogStatus(int n) { m_settings.Set(CSettingsRegistry::kLogStatus, n); }
    /// 0 or 1; any other value leaves it unchanged.
    int GetLinTabOption() const { return m_settings.Int(CSettingsRegistry::kLinTabOption); }
    void SetLinTabOption(int n) { m_settings.Set(CSettingsRegistry::kLinTabOption, n); }
    int GetInterfaceVersion() const { return m_settings.Int(CSettingsRegistry::kInterfaceVersion); }
    void SetInterfaceVersion(int n) { m_settings.Set(CSettingsRegistry::kInterfaceVersion, n); }
    QString GetPasswort() const { return m_settings.Text(CSettingsRegistry::kPsw); }
    void SetPasswort(const QString& text) { m_settings.Set(CSettingsRegistry::kPsw, text); }

    // --- Passwords -------------------------------------------------------------------------------------
    static QString GetMasterPasswort();
    static QString GetMasterCode();
    const QString& GetSitzungsPasswort() const { return m_strSitzungsPasswort; }
    void SetSitzungsPasswort(const QString& text) { m_strSitzungsPasswort = text; }

    // --- Records -----------------------------------------------------------------------------------------
    CAbgleichdaten& Abgleichdaten() { return m_Abgleichdaten; }
    const CAbgleichdaten& Abgleichdaten() const { return m_Abgleichdaten; }
    CInterfaceInfo& InterfaceInfo() { return m_InterfaceInfo; }
    const CInterfaceInfo& InterfaceInfo() const { return m_InterfaceInfo; }

signals:
    /// The document changed as a whole (new document, file loaded, parameter set received).
    void documentUpdated();

private:
    static bool IsStromGueltig(float mA);
    /// Converters of the offset and zero window: A keeps the range unit, B goes to the display unit.
    CEinheiten RangeUnitConverter() const;
    CEinheiten DisplayUnitConverter() const;
    /// The display range for a conversion on the 0 to 10000 scale; one beyond 16 bits is a program error.
    CEinheiten::Range ScaleRange() const;

    IOperator& m_operator;
    QString m_strProgrammVerzeichnis;
    bool m_bModified = false;

    CParameterSatz m_Parameter;

    std::array<float, kMesswerte> m_fMesswert{};
    float m_fTemperatur = 0.0f;
    bool m_bGueltig = false;
    bool m_bErweitert = false;

    /// Mutable: its copy of the type is brought up to date from the parameter set on every access.
    mutable CSettingsRegistry m_settings;

    QString m_strSitzungsPasswort;

    CAbgleichdaten m_Abgleichdaten;
    CInterfaceInfo m_InterfaceInfo;
};
