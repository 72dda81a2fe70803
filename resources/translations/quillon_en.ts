<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CAbglMessbereichRules</name>
    <message>
        <source>Der Messbereich ist mit dieser Kommaposition zu groß für den Transmitter. Wählen Sie weniger Nachkommastellen.</source>
        <translation>With this decimal position the range is too large for the transmitter. Choose fewer decimals.</translation>
    </message>
</context>
<context>
    <name>CAbglOptionenRules</name>
    <message>
        <source>Die Seriennummer besteht aus Ziffern: %1, %2 und %3 Stellen.</source>
        <translation>The serial number consists of digits: %1, %2 and %3 places.</translation>
    </message>
</context>
<context>
    <name>CAbglWizard</name>
    <message>
        <source>Analogabgleich</source>
        <translation>Analog Calibration</translation>
    </message>
    <message>
        <source>&lt; Zurück</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Weiter &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Empfangsfehler!</source>
        <translation>Receive error!</translation>
    </message>
    <message>
        <source>Der Abgleich wurde abgebrochen.
Der Transmitter behält die zuletzt geschriebenen Abgleichdaten.</source>
        <translation>The calibration was cancelled.
The transmitter keeps the calibration data written last.</translation>
    </message>
</context>
<context>
    <name>CAbglWizardPage</name>
    <message>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Please enter a number.</translation>
    </message>
</context>
<context>
    <name>CAbglWizardRules</name>
    <message>
        <source>RX26 - RX30 2Leiter</source>
        <translation>RX26 - RX30 2-wire</translation>
    </message>
    <message>
        <source>RX26 - RX30 3Leiter</source>
        <translation>RX26 - RX30 3-wire</translation>
    </message>
    <message>
        <source>KA52 / 53 2Leiter</source>
        <translation>KA52 / 53 2-wire</translation>
    </message>
    <message>
        <source>KA28 3Leiter</source>
        <translation>KA28 3-wire</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>mbar</source>
        <translation>mbar</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl zwischen %1 und %2 ein.</source>
        <translation>Enter a number between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>CAbglWizardTransfer</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Transmitter ...</source>
        <translation>Connecting transmitter ...</translation>
    </message>
    <message>
        <source>Lese Messbereich Ende ...</source>
        <translation>Reading range end ...</translation>
    </message>
    <message>
        <source>Lese Messbereich Anfang ...</source>
        <translation>Reading range start ...</translation>
    </message>
    <message>
        <source>Lese aktuellen Messwert ...</source>
        <translation>Reading current measured value ...</translation>
    </message>
    <message>
        <source>Schreibe Offsetkorrektur ...</source>
        <translation>Writing offset correction ...</translation>
    </message>
    <message>
        <source>Schreibe Spannekorrektur ...</source>
        <translation>Writing span correction ...</translation>
    </message>
    <message>
        <source>Verbinde Hardware...</source>
        <translation>Connecting hardware...</translation>
    </message>
    <message>
        <source>Abgleich freigeben...</source>
        <translation>Releasing calibration...</translation>
    </message>
    <message>
        <source>Lese Abgleichdaten...</source>
        <translation>Reading calibration data...</translation>
    </message>
    <message>
        <source>Lese Seriennummer ...</source>
        <translation>Reading serial number ...</translation>
    </message>
    <message>
        <source>Lese Nullpunktsunterdrückung...</source>
        <translation>Reading zero suppression...</translation>
    </message>
    <message>
        <source>Lese Offsetkorrektur ...</source>
        <translation>Reading offset correction ...</translation>
    </message>
    <message>
        <source>Lese Spannekorrektur ...</source>
        <translation>Reading span correction ...</translation>
    </message>
    <message>
        <source>Lese Dämpfung ...</source>
        <translation>Reading damping ...</translation>
    </message>
    <message>
        <source>Lese Fehlersignal-Strom ...</source>
        <translation>Reading fault signal current ...</translation>
    </message>
    <message>
        <source>Lese Stromgrenze Min. ...</source>
        <translation>Reading current limit min. ...</translation>
    </message>
    <message>
        <source>Lese Stromgrenze Max ....</source>
        <translation>Reading current limit max ....</translation>
    </message>
    <message>
        <source>Schreibe Messbereichsanfang ...</source>
        <translation>Writing range start ...</translation>
    </message>
    <message>
        <source>Schreibe Messbereichsende ...</source>
        <translation>Writing range end ...</translation>
    </message>
    <message>
        <source>Schreibe Dämpfung ...</source>
        <translation>Writing damping ...</translation>
    </message>
    <message>
        <source>Schreibe Nullpunktsfenster ...</source>
        <translation>Writing zero window ...</translation>
    </message>
    <message>
        <source>Schreibe Stromgrenze Min ...</source>
        <translation>Writing current limit min ...</translation>
    </message>
    <message>
        <source>Schreibe Stromgrenze Max ...</source>
        <translation>Writing current limit max ...</translation>
    </message>
    <message>
        <source>Schreibe Fehlersignal-Strom ...</source>
        <translation>Writing fault signal current ...</translation>
    </message>
    <message>
        <source>Schreibe Daten...</source>
        <translation>Writing data...</translation>
    </message>
</context>
<context>
    <name>CAbgleichFelder</name>
    <message>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Bitte eine ganze Zahl eingeben.</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</source>
        <translation>Enter an integer between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>CAbgleichJson</name>
    <message>
        <source>%1: eine Zahl erwartet.</source>
        <translation>%1: a number expected.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb des Wertebereichs des Feldes.</source>
        <translation>%1: %2 is outside the range of the field.</translation>
    </message>
    <message>
        <source>%1: ein Text aus höchstens 16 Zeichen (Latin-1) erwartet.</source>
        <translation>%1: a text of at most 16 characters (Latin-1) expected.</translation>
    </message>
    <message>
        <source>%1: eine Liste mit %2 Zahlen erwartet.</source>
        <translation>%1: a list of %2 numbers expected.</translation>
    </message>
    <message>
        <source>%1: die Datei gehört zu Typ %2, angeschlossen ist Typ %3.</source>
        <translation>%1: the file belongs to type %2, type %3 is connected.</translation>
    </message>
    <message>
        <source>%1: true oder false erwartet.</source>
        <translation>%1: true or false expected.</translation>
    </message>
    <message>
        <source>%1: die Datei gehört zu einem Transmitter ohne erweiterten Funktionsumfang, angeschlossen ist einer mit.</source>
        <translation>%1: the file belongs to a transmitter without the extended function set, the connected one has it.</translation>
    </message>
    <message>
        <source>%1: die Datei gehört zu einem Transmitter mit erweitertem Funktionsumfang, angeschlossen ist einer ohne.</source>
        <translation>%1: the file belongs to a transmitter with the extended function set, the connected one lacks it.</translation>
    </message>
    <message>
        <source>%1: Schlüssel fehlt.</source>
        <translation>%1: key missing.</translation>
    </message>
    <message>
        <source>%1: unbekannter Schlüssel für diesen Transmitter.</source>
        <translation>%1: unknown key for this transmitter.</translation>
    </message>
    <message>
        <source>%1: eine Zahl oder die 32 Bit des Wertes ("0x7FC00000") erwartet.</source>
        <translation>%1: a number or the 32 bits of the value ("0x7FC00000") expected.</translation>
    </message>
    <message>
        <source>ein Objekt ist nicht mit } abgeschlossen</source>
        <translation>an object is not closed with }</translation>
    </message>
    <message>
        <source>nach einem Schlüssel fehlt der Doppelpunkt</source>
        <translation>a key is not followed by a colon</translation>
    </message>
    <message>
        <source>eine Liste ist nicht mit ] abgeschlossen</source>
        <translation>a list is not closed with ]</translation>
    </message>
    <message>
        <source>zwischen zwei Werten fehlt das Komma</source>
        <translation>a comma is missing between two values</translation>
    </message>
    <message>
        <source>ungültige Zahl</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>die Datei endet mitten in einer Zahl</source>
        <translation>the file ends in the middle of a number</translation>
    </message>
    <message>
        <source>ungültige Escape-Folge in einem Text</source>
        <translation>invalid escape sequence in a text</translation>
    </message>
    <message>
        <source>ein Text ist kein gültiges UTF-8</source>
        <translation>a text is not valid UTF-8</translation>
    </message>
    <message>
        <source>ein Text ist nicht abgeschlossen</source>
        <translation>a text is not closed</translation>
    </message>
    <message>
        <source>ein Objekt fehlt</source>
        <translation>an object is missing</translation>
    </message>
    <message>
        <source>zu tief geschachtelt</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>die Datei ist zu groß</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>nach dem Ende folgen weitere Zeichen</source>
        <translation>further characters follow the end</translation>
    </message>
    <message>
        <source>ungültiger Wert</source>
        <translation>invalid value</translation>
    </message>
    <message>
        <source>Kein gültiges JSON (bei Zeichen %1): %2</source>
        <translation>No valid JSON (at character %1): %2</translation>
    </message>
    <message>
        <source>Die Datei enthält kein JSON-Objekt.</source>
        <translation>The file holds no JSON object.</translation>
    </message>
    <message>
        <source>%1: Schlüssel doppelt vorhanden.</source>
        <translation>%1: key given twice.</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Info über Varnex</source>
        <translation>About Varnex</translation>
    </message>
</context>
<context>
    <name>CAboutRules</name>
    <message>
        <source>Varnex
Version</source>
        <translation>Varnex
Version</translation>
    </message>
    <message>
        <source>Konfiguration, Kalibrierung und Überwachung
von 4–20 mA Drucktransmittern
über das Programmier-Interface PL45 oder PL40</source>
        <translation>Configuration, calibration and monitoring
of 4–20 mA pressure transmitters
through the programming interface PL45 or PL40</translation>
    </message>
</context>
<context>
    <name>CAnalogAbgleich</name>
    <message>
        <source>Analogabgleich RX30 / RX31 / RX84 / RX96</source>
        <translation>Analog calibration RX30 / RX31 / RX84 / RX96</translation>
    </message>
    <message>
        <source>Transmitter-Typ:</source>
        <translation>Transmitter type:</translation>
    </message>
    <message>
        <source>Grundmessbereich</source>
        <translation>Basic measuring range</translation>
    </message>
    <message>
        <source>MB-Anfang</source>
        <translation>MR start</translation>
    </message>
    <message>
        <source>MB-Ende</source>
        <translation>MR end</translation>
    </message>
    <message>
        <source>Abgl-Anf.</source>
        <translation>Cal. start</translation>
    </message>
    <message>
        <source>Abgl-Ende</source>
        <translation>Cal. end</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>T-ADC</source>
        <translation>T-ADC</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>4mA</source>
        <translation>4mA</translation>
    </message>
    <message>
        <source>12mA</source>
        <translation>12mA</translation>
    </message>
    <message>
        <source>20mA</source>
        <translation>20mA</translation>
    </message>
    <message>
        <source>Freigeben</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>0-10V</source>
        <translation>0-10V</translation>
    </message>
    <message>
        <source>4-20mA</source>
        <translation>4-20mA</translation>
    </message>
    <message>
        <source>0-20mA</source>
        <translation>0-20mA</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Def.-DAC</source>
        <translation>Def. DAC</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read out</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Ausgang Anfang</source>
        <translation>Output start</translation>
    </message>
    <message>
        <source>Ausgang Ende</source>
        <translation>Output end</translation>
    </message>
</context>
<context>
    <name>CAnalogAbgleichRules</name>
    <message>
        <source>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Gerät nicht kompatibel!</source>
        <translation>Device not compatible!</translation>
    </message>
    <message>
        <source>Bitte eine Zahl zwischen 0 und 22.5 eingeben.</source>
        <translation>Please enter a number between 0 and 22.5.</translation>
    </message>
</context>
<context>
    <name>CCalibrationCommands</name>
    <message>
        <source>Abgleichdaten ändern</source>
        <translation>Change calibration data</translation>
    </message>
</context>
<context>
    <name>CCalibrationTransfer</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Transmitter ...</source>
        <translation>Connecting transmitter ...</translation>
    </message>
    <message>
        <source>Schreibe Daten...</source>
        <translation>Writing data...</translation>
    </message>
    <message>
        <source>Verbinde Hardware...</source>
        <translation>Connecting hardware...</translation>
    </message>
    <message>
        <source>Abgleich freigeben...</source>
        <translation>Releasing calibration...</translation>
    </message>
    <message>
        <source>Lese Abgleichdaten...</source>
        <translation>Reading calibration data...</translation>
    </message>
    <message>
        <source>Empfangsfehler!
Abgleichwort %1 nicht gelesen.</source>
        <translation>Receive error!
Calibration word %1 not read.</translation>
    </message>
    <message>
        <source>Empfangsfehler!
Abgleich nicht freigegeben.</source>
        <translation>Receive error!
Calibration not released.</translation>
    </message>
    <message>
        <source>Gerät nicht kompatibel!</source>
        <translation>Device not compatible!</translation>
    </message>
    <message>
        <source>Sendefehler!</source>
        <translation>Send error!</translation>
    </message>
    <message>
        <source>Lese Kennung ...</source>
        <translation>Reading identification ...</translation>
    </message>
    <message>
        <source>Die Abgleichdaten gehören zu %1, angeschlossen ist %2.
Nichts wurde geschrieben.</source>
        <translation>The calibration data belong to %1, but %2 is connected.
Nothing was written.</translation>
    </message>
    <message>
        <source>Sendefehler!
Beginn des Abgleichdaten-Blocks nicht bestätigt.</source>
        <translation>Send error!
Start of the calibration data block not acknowledged.</translation>
    </message>
    <message>
        <source>Sendefehler!
Teil %1 von %2 (Adresse %3) nicht bestätigt; der Transmitter kann einen teilweise geschriebenen Block halten.</source>
        <translation>Send error!
Part %1 of %2 (address %3) not acknowledged; the transmitter may hold a partly written block.</translation>
    </message>
    <message>
        <source>Sendefehler!
Ende des Abgleichdaten-Blocks nicht bestätigt.</source>
        <translation>Send error!
End of the calibration data block not acknowledged.</translation>
    </message>
    <message>
        <source>Empfangsfehler!</source>
        <translation>Receive error!</translation>
    </message>
</context>
<context>
    <name>CChangePsw</name>
    <message>
        <source>Passwort ändern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Altes Passwort:</source>
        <translation>Old password:</translation>
    </message>
    <message>
        <source>Neues Passwort:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Passwortbestätigung:</source>
        <translation>Confirm password:</translation>
    </message>
</context>
<context>
    <name>CCheckArithmetic</name>
    <message>
        <source>Der Messbereich des Transmitters ist ungültig.</source>
        <translation>The transmitter's range is not valid.</translation>
    </message>
    <message>
        <source>Der Messbereich hat keine Spanne: 4 mA und 20 mA liegen beide bei %1 %2.</source>
        <translation>The range has no span: 4 mA and 20 mA are both at %1 %2.</translation>
    </message>
    <message>
        <source>Der Messwert wird ohne Einheit angezeigt (freie Anzeige, z. B. mit Linearisierungstabelle) und lässt sich nicht mit dem Druck der Referenz vergleichen.</source>
        <translation>The measured value is shown without a unit (a free display value, e.g. with a linearization table) and cannot be compared with the reference pressure.</translation>
    </message>
    <message>
        <source>Die Toleranz %1 % liegt außerhalb von %2 bis %3 % der Spanne.</source>
        <translation>The tolerance %1 % lies outside %2 to %3 % of span.</translation>
    </message>
    <message>
        <source>Der Prüfpunkt %1 % liegt außerhalb des Messbereichs (0 bis 100 %).</source>
        <translation>The test point %1 % lies outside the range (0 to 100 %).</translation>
    </message>
    <message>
        <source>Der eingestellte Messbereich hat keine Spanne: eine Prüfung ist nicht möglich.</source>
        <translation>The set range has no span: a check is not possible.</translation>
    </message>
    <message>
        <source>Die Toleranz %1 % liegt nicht zwischen %2 und %3 % der Spanne.</source>
        <translation>The tolerance %1 % is not between %2 and %3 % of span.</translation>
    </message>
</context>
<context>
    <name>CCheckCertificate</name>
    <message>
        <source>Prüfzertifikat</source>
        <translation>Calibration certificate</translation>
    </message>
    <message>
        <source>Wie vorgefunden</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>Wie hinterlassen</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Referenznormal</source>
        <translation>Reference instrument</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Gerät:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>Kennung:</source>
        <translation>Identification:</translation>
    </message>
    <message>
        <source>Serien-Nr.:</source>
        <translation>Serial no.:</translation>
    </message>
    <message>
        <source>Serien-Nummer:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Zertifikat-Nr.:</source>
        <translation>Certificate no.:</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Gültig bis:</source>
        <translation>Valid until:</translation>
    </message>
    <message>
        <source>4 mA bei:</source>
        <translation>4 mA at:</translation>
    </message>
    <message>
        <source>Spanne:</source>
        <translation>Span:</translation>
    </message>
    <message>
        <source>20 mA bei:</source>
        <translation>20 mA at:</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Prüfdatum:</source>
        <translation>Date of check:</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>Prüfer:</source>
        <translation>Technician:</translation>
    </message>
    <message>
        <source>Verlauf-Nr.:</source>
        <translation>History no.:</translation>
    </message>
    <message>
        <source>Umgebungstemperatur:</source>
        <translation>Ambient temperature:</translation>
    </message>
    <message>
        <source>Toleranz:</source>
        <translation>Tolerance:</translation>
    </message>
    <message>
        <source>± %1 % der Spanne</source>
        <translation>± %1 % of span</translation>
    </message>
    <message>
        <source>Keine Prüfpunkte.</source>
        <translation>No test points.</translation>
    </message>
    <message>
        <source>* Messwert nicht eingeschwungen, vom Prüfer übernommen</source>
        <translation>* Reading not settled, accepted by the technician</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Stromfehler</source>
        <translation>Curr. error</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>% Spanne</source>
        <translation>% span</translation>
    </message>
    <message>
        <source>Ergebnis: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>Nächste Prüfung:</source>
        <translation>Next check due:</translation>
    </message>
    <message>
        <source>Datum, Unterschrift Prüfer</source>
        <translation>Date, signature of technician</translation>
    </message>
    <message>
        <source>Datum, Unterschrift Freigabe</source>
        <translation>Date, signature of approver</translation>
    </message>
    <message>
        <source>%1, Serien-Nummer %2 (Fortsetzung)</source>
        <translation>%1, serial number %2 (continued)</translation>
    </message>
    <message>
        <source>keine Messung</source>
        <translation>no reading</translation>
    </message>
    <message>
        <source>i.O.</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>n.i.O.</source>
        <translation>fail</translation>
    </message>
</context>
<context>
    <name>CCheckCommands</name>
    <message>
        <source>Der Vorgang %1 ist keine Prüfung (%2).</source>
        <translation>Event %1 is no check (%2).</translation>
    </message>
    <message>
        <source>Vorgang %1: %2</source>
        <translation>Event %1: %2</translation>
    </message>
</context>
<context>
    <name>CCheckDialog</name>
    <message>
        <source>misst ...</source>
        <translation>measuring ...</translation>
    </message>
    <message>
        <source>nicht beruhigt</source>
        <translation>not settled</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Eingestellter Messbereich: %1 %3 bei 4 mA, %2 %3 bei 20 mA</source>
        <translation>Set range: %1 %3 at 4 mA, %2 %3 at 20 mA</translation>
    </message>
    <message>
        <source>&amp;Prüfpunkte:</source>
        <translation>&amp;Test points:</translation>
    </message>
    <message>
        <source>% der Spanne</source>
        <translation>% of span</translation>
    </message>
    <message>
        <source>Auch &amp;abwärts prüfen (Hysterese)</source>
        <translation>Also check &amp;going down (hysteresis)</translation>
    </message>
    <message>
        <source>&amp;Toleranz:</source>
        <translation>T&amp;olerance:</translation>
    </message>
    <message>
        <source>&amp;Umgebungstemperatur:</source>
        <translation>&amp;Ambient temperature:</translation>
    </message>
    <message>
        <source>P&amp;rüfer:</source>
        <translation>Tec&amp;hnician:</translation>
    </message>
    <message>
        <source>Prüf&amp;intervall:</source>
        <translation>Check &amp;interval:</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Referenzgerät</source>
        <translation>Reference instrument</translation>
    </message>
    <message>
        <source>Neues Referenzgerät</source>
        <translation>New reference instrument</translation>
    </message>
    <message>
        <source>&amp;Gespeichert:</source>
        <translation>&amp;Saved:</translation>
    </message>
    <message>
        <source>&amp;Bezeichnung:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Seriennummer:</source>
        <translation>Serial n&amp;umber:</translation>
    </message>
    <message>
        <source>&amp;Kalibrierschein:</source>
        <translation>&amp;Certificate:</translation>
    </message>
    <message>
        <source>&amp;Fällig am:</source>
        <translation>&amp;Due on:</translation>
    </message>
    <message>
        <source>Prüfpunkte</source>
        <translation>Test points</translation>
    </message>
    <message>
        <source>Punkt %</source>
        <translation>Point %</translation>
    </message>
    <message>
        <source>Soll %1</source>
        <translation>Nominal %1</translation>
    </message>
    <message>
        <source>Referenz %1</source>
        <translation>Reference %1</translation>
    </message>
    <message>
        <source>Messwert %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Strom mA</source>
        <translation>Current mA</translation>
    </message>
    <message>
        <source>Fehler %</source>
        <translation>Error %</translation>
    </message>
    <message>
        <source>Fehler Strom %</source>
        <translation>Current error %</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Aktueller Prüfpunkt</source>
        <translation>Current test point</translation>
    </message>
    <message>
        <source>&amp;Referenzgerät zeigt:</source>
        <translation>&amp;Reference reads:</translation>
    </message>
    <message>
        <source>Ausgangs&amp;strom (wenn gemessen):</source>
        <translation>Output &amp;current (if measured):</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>%v von %m Messungen</source>
        <translation>%v of %m samples</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Messen</source>
        <translation>&amp;Measure</translation>
    </message>
    <message>
        <source>Ü&amp;bernehmen</source>
        <translation>&amp;Take</translation>
    </message>
    <message>
        <source>&amp;Justieren...</source>
        <translation>&amp;Adjust...</translation>
    </message>
    <message>
        <source>&amp;Abschließen</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>&amp;Zertifikat drucken...</source>
        <translation>&amp;Print certificate...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Messwert wird gelesen, bis er sich nicht mehr ändert ...</source>
        <translation>Reading the measured value until it no longer changes ...</translation>
    </message>
    <message>
        <source>Punkt %1 übernommen.</source>
        <translation>Point %1 taken.</translation>
    </message>
    <message>
        <source>Der Messwert hat sich nicht beruhigt. "Übernehmen" nimmt den Mittelwert trotzdem, "Messen" misst erneut.</source>
        <translation>The measured value has not settled. "Take" uses the mean anyway, "Measure" measures again.</translation>
    </message>
    <message>
        <source>Der Transmitter hat keinen Messwert gesendet. "Übernehmen" trägt den Punkt als "keine Messung" ein, "Messen" versucht es erneut.</source>
        <translation>The transmitter sent no measured value. "Take" enters the point as "no reading", "Measure" tries again.</translation>
    </message>
    <message>
        <source>Nach der Justierung: dieselben Punkte noch einmal.</source>
        <translation>After the adjustment: the same points again.</translation>
    </message>
    <message>
        <source>Ergebnis: %1. Nächste Prüfung bis %2.</source>
        <translation>Result: %1. Next check due by %2.</translation>
    </message>
    <message>
        <source>Die Prüfung konnte nicht im Verlauf gespeichert werden.</source>
        <translation>The check could not be stored in the history.</translation>
    </message>
    <message>
        <source>Wie vorgefunden: Punkt %1 von %2</source>
        <translation>As found: point %1 of %2</translation>
    </message>
    <message>
        <source>Nach der Justierung: Punkt %1 von %2</source>
        <translation>As left: point %1 of %2</translation>
    </message>
    <message>
        <source>Wie vorgefunden: %1. Justieren oder abschließen.</source>
        <translation>As found: %1. Adjust or finish.</translation>
    </message>
    <message>
        <source>Prüfung abgeschlossen: %1</source>
        <translation>Check finished: %1</translation>
    </message>
    <message>
        <source>Nach der Justierung: %1. Abschließen speichert die Prüfung.</source>
        <translation>As left: %1. Finish stores the check.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Die Prüfung abbrechen? Sie wird nicht gespeichert.</source>
        <translation>Cancel the check? It will not be stored.</translation>
    </message>
    <message>
        <source>Bitte %1 %2 anlegen (%3 % des Messbereichs) und den Wert des Referenzgeräts eingeben.</source>
        <translation>Please apply %1 %2 (%3 % of the range) and enter the reference instrument's reading.</translation>
    </message>
    <message>
        <source>keine Messung</source>
        <translation>no reading</translation>
    </message>
    <message>
        <source>in Toleranz (unruhig)</source>
        <translation>within tolerance (unsettled)</translation>
    </message>
    <message>
        <source>in Toleranz</source>
        <translation>within tolerance</translation>
    </message>
    <message>
        <source>außer Toleranz</source>
        <translation>out of tolerance</translation>
    </message>
</context>
<context>
    <name>CCheckDue</name>
    <message>
        <source>Vorgang %1: %2</source>
        <translation>Event %1: %2</translation>
    </message>
</context>
<context>
    <name>CCheckHistory</name>
    <message>
        <source>Der Eintrag ist keine Prüfung.</source>
        <translation>The entry is not a check.</translation>
    </message>
    <message>
        <source>bestanden</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>nicht bestanden</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>justiert und bestanden</source>
        <translation>adjusted and passed</translation>
    </message>
    <message>
        <source>Das Ereignis ist keine Prüfung.</source>
        <translation>The event is not a check.</translation>
    </message>
</context>
<context>
    <name>CCheckRules</name>
    <message>
        <source>Der Prüfpunkt "%1" ist keine Zahl.</source>
        <translation>The test point "%1" is not a number.</translation>
    </message>
    <message>
        <source>Geben Sie mindestens einen Prüfpunkt an.</source>
        <translation>Enter at least one test point.</translation>
    </message>
    <message>
        <source>Geben Sie das Referenzgerät an, mit dem geprüft wird.</source>
        <translation>Enter the reference instrument the check is made with.</translation>
    </message>
    <message>
        <source>"%1" ist kein Datum.</source>
        <translation>"%1" is not a date.</translation>
    </message>
    <message>
        <source>Geben Sie an, wer prüft.</source>
        <translation>Enter who makes the check.</translation>
    </message>
    <message>
        <source>Die Kalibrierung des Referenzgeräts ist seit %1 fällig. Trotzdem prüfen?</source>
        <translation>The reference instrument's calibration has been due since %1. Check anyway?</translation>
    </message>
    <message>
        <source>Geben Sie den Wert des Referenzgeräts ein.</source>
        <translation>Enter the reference instrument's reading.</translation>
    </message>
</context>
<context>
    <name>CCheckSampler</name>
    <message>
        <source>Der Parametersatz wurde nicht gelesen.</source>
        <translation>The parameter set was not read.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Transmitter ist geschlossen.</source>
        <translation>The connection to the transmitter is closed.</translation>
    </message>
    <message>
        <source>Der Parametersatz des Transmitters konnte nicht gelesen werden.</source>
        <translation>The transmitter's parameter set could not be read.</translation>
    </message>
    <message>
        <source>Der Transmitter hat keinen Messwert gesendet.</source>
        <translation>The transmitter sent no measured value.</translation>
    </message>
</context>
<context>
    <name>CCliOptions</name>
    <message>
        <source>Kein Befehl angegeben.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Falsche Anzahl von Argumenten für %1.</source>
        <translation>Wrong number of arguments for %1.</translation>
    </message>
    <message>
        <source>COM-Nummer außerhalb von 1 bis 16: %1</source>
        <translation>COM number outside 1 to 16: %1</translation>
    </message>
    <message>
        <source>--port braucht einen Gerätepfad oder COMn: %1</source>
        <translation>--port needs a device path or COMn: %1</translation>
    </message>
    <message>
        <source>--type braucht eine Zahl von 0 bis 10: %1</source>
        <translation>--type needs a number from 0 to 10: %1</translation>
    </message>
    <message>
        <source>--interface braucht pl45 oder pl40: %1</source>
        <translation>--interface needs pl45 or pl40: %1</translation>
    </message>
    <message>
        <source>receive braucht -o DATEI.qlc.</source>
        <translation>receive needs -o FILE.qlc.</translation>
    </message>
    <message>
        <source>--count, --interval und --log gehören nur zu measure.</source>
        <translation>--count, --interval and --log belong to measure only.</translation>
    </message>
    <message>
        <source>--count braucht eine Zahl ab 1: %1</source>
        <translation>--count needs a number from 1: %1</translation>
    </message>
    <message>
        <source>--interval braucht eine ganze Zahl von %1 bis %2: %3</source>
        <translation>--interval needs a whole number from %1 to %2: %3</translation>
    </message>
    <message>
        <source>sheet braucht -o BLATT.pdf.</source>
        <translation>sheet needs -o SHEET.pdf.</translation>
    </message>
    <message>
        <source>calibration read braucht -o DATEI.json.</source>
        <translation>calibration read needs -o FILE.json.</translation>
    </message>
    <message>
        <source>-o gehört nur zu receive, sheet, calibration read, history show und certificate.</source>
        <translation>-o belongs to receive, sheet, calibration read, history show and certificate only.</translation>
    </message>
    <message>
        <source>--imin, --imax, --temp und --checksum gehören nur zu temperature write.</source>
        <translation>--imin, --imax, --temp and --checksum belong to temperature write only.</translation>
    </message>
    <message>
        <source>%1 braucht genau %2 durch Komma getrennte Werte.</source>
        <translation>%1 needs exactly %2 comma-separated values.</translation>
    </message>
    <message>
        <source>%1: Wert %2 ist keine Zahl von -32768 bis 65535: %3</source>
        <translation>%1: value %2 is no number from -32768 to 65535: %3</translation>
    </message>
    <message>
        <source>temperature write braucht --checksum N.</source>
        <translation>temperature write needs --checksum N.</translation>
    </message>
    <message>
        <source>--checksum ist keine Zahl von -32768 bis 65535: %1</source>
        <translation>--checksum is no number from -32768 to 65535: %1</translation>
    </message>
    <message>
        <source>--json gehört nur zu show, diff, temperature read, history und due.</source>
        <translation>--json belongs to show, diff, temperature read, history and due only.</translation>
    </message>
    <message>
        <source>--verify und --set gehören nur zu send.</source>
        <translation>--verify and --set belong to send only.</translation>
    </message>
    <message>
        <source>--before gehört nur zu sheet.</source>
        <translation>--before belongs to sheet only.</translation>
    </message>
    <message>
        <source>Aufruf: quillon-cli [--port GERÄT|COMn] [--type N] [--interface pl45|pl40] [--yes] BEFEHL

Befehle:
  identify                 verbinden, Kennung, Typ mit Namen und erweiterten Funktionsumfang ausgeben
  find-interface [GERÄT...] die Schnittstellen (oder die genannten Geräte) nach einem PL45 durchsuchen,
                           Schnittstelle und Version ausgeben
  receive -o DATEI.qlc     den ganzen Parametersatz lesen und als Dokumentdatei speichern
  send DATEI.qlc [--verify] [--set FELD=WERT ...]
                           den Parametersatz einer Dokumentdatei in den Transmitter schreiben;
                           --verify liest ihn danach zurück und vergleicht, --set ersetzt Felder
                           der Datei (z. B. --set m_strBezeichnung=PT-101), geprüft wie im
                           Bearbeiten-Dialog
  diff DATEI.qlc [DATEI2.qlc] [--json]
                           eine Dokumentdatei mit dem Transmitter (oder mit DATEI2) vergleichen,
                           in Einheiten und Dezimalstellen der Anzeige; Rückgabewert 0 gleich,
                           1 verschieden, 2 Fehler
  show DATEI.qlc [--json]  den Parametersatz einer Dokumentdatei ausgeben (lesbar oder als JSON)
  sheet DATEI.qlc -o BLATT.pdf [--before VORHER.qlc]
                           das Konfigurationsblatt einer Dokumentdatei als PDF schreiben (ohne Bildschirm);
                           mit --before stehen die Werte von VORHER.qlc daneben (Vorher/Nachher)
  measure [--count N] [--interval S] [--log DATEI]
                           Messwert (und Temperatur) alle S Sekunden (2 bis 120) lesen und je eine
                           Zeile ausgeben, mit --log auch an DATEI anhängen; endet nach N Messungen
                           oder mit Strg+C nach der laufenden Messung
  calibration read -o DATEI.json
                           die Abgleichdaten des Transmitters lesen und als JSON speichern
  calibration write DATEI.json
                           Abgleichdaten aus JSON prüfen und in den Transmitter schreiben
  temperature read [--json]
                           den Temperaturabgleich lesen: I-Min, I-Max, Temperaturen und Checksumme
  temperature write --imin a,b,c,d,e,f --imax a,b,c,d,e,f --temp a,b,c,d,e,f --checksum N
                           den Temperaturabgleich prüfen, berechnen und schreiben (je sechs Werte)
  history [--serial S] [--since DATUM] [--json]
                           den Verlauf ausgeben: die aufgezeichneten Vorgänge, neueste zuerst
                           (nur die des Transmitters S, nur die ab DATUM, z. B. 2026-03-01)
  history show NR [-o DATEI.qlc]
                           einen Vorgang ausgeben; mit -o seinen Parametersatz (nachher, sonst
                           vorher) als Dokumentdatei speichern
  history export --csv DATEI [--serial S] [--since DATUM]
                           den Verlauf als CSV-Datei schreiben
  certificate NR -o DATEI.pdf
                           das Prüfzertifikat der Prüfung NR aus dem Verlauf als PDF schreiben
  due [--days N] [--json]  die Transmitter, deren nächste Prüfung fällig ist (mit --days: in den
                           nächsten N Tagen fällig wird), nach Fälligkeit; je Transmitter zählt
                           seine letzte Prüfung

Optionen:
  --port GERÄT|COMn        Gerätedatei (z. B. /dev/ttyUSB0) oder COM-Nummer 1 bis 16
  --type N                 Transmittertyp 0 bis 10 (für identify, find-interface, receive;
                           send nimmt den Typ aus der Datei; calibration nimmt ihn zum
                           Verbinden, danach gilt die Kennung des Transmitters)
  --interface pl45|pl40    Programmier-Interface
  --yes                    jede Ja/Nein-Frage mit Ja beantworten (ohne Terminal nötig für send
                           und für Dateien im alten Format)
  -o, --output DATEI       Zieldatei von receive, sheet, calibration read, history show und
                           certificate
  --json                   show, diff, temperature read, history und due geben JSON aus
  --database ORT           Verlauf in dieser SQLite-Datei oder auf diesem Server (z. B.
                           service=quillon) statt wie in den Einstellungen
  --trace DATEI            nach dem Befehl das Verbindungsprotokoll (die gesendeten und
                           empfangenen Telegramme) in DATEI schreiben
  -h, --help               diese Hilfe
  -V, --version            die Programmversion ausgeben

Port, Typ und Interface kommen ohne Option aus den Einstellungen des Programms.
Rückgabewert: 0 Erfolg, 1 Vorgang fehlgeschlagen (Meldung auf stderr), 2 falscher Aufruf.
Fortschritt erscheint auf stderr: als Balken an einem Terminal, sonst eine Zeile je Schritt.
</source>
        <translation>Usage: quillon-cli [--port DEVICE|COMn] [--type N] [--interface pl45|pl40] [--yes] COMMAND

Commands:
  identify                 connect, print identification, type with its name and the extended function set
  find-interface [DEVICE...] search the ports (or the given devices) for a PL45,
                           print port and version
  receive -o FILE.qlc      read the whole parameter set and save it as a document file
  send FILE.qlc [--verify] [--set FIELD=VALUE ...]
                           write the parameter set of a document file into the transmitter;
                           --verify reads it back afterwards and compares, --set replaces fields
                           of the file (e.g. --set m_strBezeichnung=PT-101), checked as in the
                           edit dialog
  diff FILE.qlc [FILE2.qlc] [--json]
                           compare a document file with the transmitter (or with FILE2),
                           in the units and decimals of the form; exit status 0 equal,
                           1 different, 2 error
  show FILE.qlc [--json]   print the parameter set of a document file (readable or as JSON)
  sheet FILE.qlc -o SHEET.pdf [--before BEFORE.qlc]
                           write the configuration sheet of a document file as a PDF (no display needed);
                           with --before the values of BEFORE.qlc stand beside them (before/after)
  measure [--count N] [--interval S] [--log FILE]
                           read the measured value (and temperature) every S seconds (2 to 120) and print
                           one line each, with --log also append it to FILE; ends after N samples
                           or with Ctrl+C after the sample in progress
  calibration read -o FILE.json
                           read the transmitter's calibration data and save them as JSON
  calibration write FILE.json
                           check calibration data from JSON and write them into the transmitter
  temperature read [--json]
                           read the temperature calibration: I-Min, I-Max, temperatures and checksum
  temperature write --imin a,b,c,d,e,f --imax a,b,c,d,e,f --temp a,b,c,d,e,f --checksum N
                           check, compute and write the temperature calibration (six values each)
  history [--serial S] [--since DATE] [--json]
                           print the history: the recorded events, newest first
                           (only those of transmitter S, only those from DATE on, e.g. 2026-03-01)
  history show NO [-o FILE.qlc]
                           print one event; with -o save its parameter set (after, else
                           before) as a document file
  history export --csv FILE [--serial S] [--since DATE]
                           write the history as a CSV file
  certificate NO -o FILE.pdf
                           write the calibration certificate of the check NO in the history as a PDF
  due [--days N] [--json]  the transmitters whose next check is due (with --days: falls due within
                           the next N days), soonest first; each transmitter's latest check counts

Options:
  --port DEVICE|COMn       device file (e.g. /dev/ttyUSB0) or COM number 1 to 16
  --type N                 transmitter type 0 to 10 (for identify, find-interface, receive;
                           send takes the type from the file; calibration uses it to
                           connect, after that the transmitter's identification counts)
  --interface pl45|pl40    programming interface
  --yes                    answer every yes/no question with yes (needed without a terminal for send
                           and for files of the old format)
  -o, --output FILE        target file of receive, sheet, calibration read, history show and
                           certificate
  --json                   show, diff, temperature read, history and due print JSON
  --database PLACE         history in this SQLite file or on this server (e.g.
                           service=quillon) instead of as in the settings
  --trace FILE             after the command write the link trace (the frames sent and
                           received) to FILE
  -h, --help               this help
  -V, --version            print the program's version

Without options, port, type and interface come from the program's settings.
Exit status: 0 success, 1 operation failed (message on stderr), 2 wrong usage.
Progress appears on stderr: as a bar on a terminal, otherwise one line per step.
</translation>
    </message>
    <message>
        <source>--trace braucht eine Datei.</source>
        <translation>--trace needs a file.</translation>
    </message>
    <message>
        <source>%1: Wert %2: %3</source>
        <translation>%1: value %2: %3</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert an.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt der Wert.</source>
        <translation>Missing value after %1.</translation>
    </message>
    <message>
        <source>--serial und --since gehören nur zu history und history export.</source>
        <translation>--serial and --since belong to history and history export only.</translation>
    </message>
    <message>
        <source>history export braucht --csv DATEI, und nur history export nimmt --csv.</source>
        <translation>history export needs --csv FILE, and only history export takes --csv.</translation>
    </message>
    <message>
        <source>--database braucht eine Datei oder eine Serververbindung.</source>
        <translation>--database needs a file or a server connection.</translation>
    </message>
    <message>
        <source>history show braucht die Nummer eines Vorgangs: %1</source>
        <translation>history show needs the number of an event: %1</translation>
    </message>
    <message>
        <source>--since braucht ein Datum (2026-03-01) oder einen Zeitpunkt (2026-03-01T08:00): %1</source>
        <translation>--since needs a date (2026-03-01) or an instant (2026-03-01T08:00): %1</translation>
    </message>
    <message>
        <source>certificate braucht die Nummer eines Vorgangs: %1</source>
        <translation>certificate needs the number of an event: %1</translation>
    </message>
    <message>
        <source>certificate braucht -o DATEI.pdf.</source>
        <translation>certificate needs -o FILE.pdf.</translation>
    </message>
    <message>
        <source>--days gehört nur zu due.</source>
        <translation>--days belongs to due only.</translation>
    </message>
    <message>
        <source>--days braucht eine ganze Zahl ab 0: %1</source>
        <translation>--days needs a whole number from 0 on: %1</translation>
    </message>
    <message>
        <source>-o gehört nur zu receive, sheet, calibration read und history show.</source>
        <translation>-o belongs to receive, sheet, calibration read and history show only.</translation>
    </message>
    <message>
        <source>--json gehört nur zu show, diff, temperature read und history.</source>
        <translation>--json belongs to show, diff, temperature read and history only.</translation>
    </message>
    <message>
        <source>Aufruf: quillon-cli [--port GERÄT|COMn] [--type N] [--interface pl45|pl40] [--yes] BEFEHL

Befehle:
  identify                 verbinden, Kennung, Typ mit Namen und erweiterten Funktionsumfang ausgeben
  find-interface [GERÄT...] die Schnittstellen (oder die genannten Geräte) nach einem PL45 durchsuchen,
                           Schnittstelle und Version ausgeben
  receive -o DATEI.qlc     den ganzen Parametersatz lesen und als Dokumentdatei speichern
  send DATEI.qlc [--verify] [--set FELD=WERT ...]
                           den Parametersatz einer Dokumentdatei in den Transmitter schreiben;
                           --verify liest ihn danach zurück und vergleicht, --set ersetzt Felder
                           der Datei (z. B. --set m_strBezeichnung=PT-101), geprüft wie im
                           Bearbeiten-Dialog
  diff DATEI.qlc [DATEI2.qlc] [--json]
                           eine Dokumentdatei mit dem Transmitter (oder mit DATEI2) vergleichen,
                           in Einheiten und Dezimalstellen der Anzeige; Rückgabewert 0 gleich,
                           1 verschieden, 2 Fehler
  show DATEI.qlc [--json]  den Parametersatz einer Dokumentdatei ausgeben (lesbar oder als JSON)
  sheet DATEI.qlc -o BLATT.pdf [--before VORHER.qlc]
                           das Konfigurationsblatt einer Dokumentdatei als PDF schreiben (ohne Bildschirm);
                           mit --before stehen die Werte von VORHER.qlc daneben (Vorher/Nachher)
  measure [--count N] [--interval S] [--log DATEI]
                           Messwert (und Temperatur) alle S Sekunden (2 bis 120) lesen und je eine
                           Zeile ausgeben, mit --log auch an DATEI anhängen; endet nach N Messungen
                           oder mit Strg+C nach der laufenden Messung
  calibration read -o DATEI.json
                           die Abgleichdaten des Transmitters lesen und als JSON speichern
  calibration write DATEI.json
                           Abgleichdaten aus JSON prüfen und in den Transmitter schreiben
  temperature read [--json]
                           den Temperaturabgleich lesen: I-Min, I-Max, Temperaturen und Checksumme
  temperature write --imin a,b,c,d,e,f --imax a,b,c,d,e,f --temp a,b,c,d,e,f --checksum N
                           den Temperaturabgleich prüfen, berechnen und schreiben (je sechs Werte)
  history [--serial S] [--since DATUM] [--json]
                           den Verlauf ausgeben: die aufgezeichneten Vorgänge, neueste zuerst
                           (nur die des Transmitters S, nur die ab DATUM, z. B. 2026-03-01)
  history show NR [-o DATEI.qlc]
                           einen Vorgang ausgeben; mit -o seinen Parametersatz (nachher, sonst
                           vorher) als Dokumentdatei speichern
  history export --csv DATEI [--serial S] [--since DATUM]
                           den Verlauf als CSV-Datei schreiben

Optionen:
  --port GERÄT|COMn        Gerätedatei (z. B. /dev/ttyUSB0) oder COM-Nummer 1 bis 16
  --type N                 Transmittertyp 0 bis 10 (für identify, find-interface, receive;
                           send nimmt den Typ aus der Datei; calibration nimmt ihn zum
                           Verbinden, danach gilt die Kennung des Transmitters)
  --interface pl45|pl40    Programmier-Interface
  --yes                    jede Ja/Nein-Frage mit Ja beantworten (ohne Terminal nötig für send
                           und für Dateien im alten Format)
  -o, --output DATEI       Zieldatei von receive, sheet, calibration read und history show
  --json                   show, diff, temperature read und history geben JSON aus
  --database ORT           Verlauf in dieser SQLite-Datei oder auf diesem Server (z. B.
                           service=quillon) statt wie in den Einstellungen
  --trace DATEI            nach dem Befehl das Verbindungsprotokoll (die gesendeten und
                           empfangenen Telegramme) in DATEI schreiben
  -h, --help               diese Hilfe
  -V, --version            die Programmversion ausgeben

Port, Typ und Interface kommen ohne Option aus den Einstellungen des Programms.
Rückgabewert: 0 Erfolg, 1 Vorgang fehlgeschlagen (Meldung auf stderr), 2 falscher Aufruf.
Fortschritt erscheint auf stderr: als Balken an einem Terminal, sonst eine Zeile je Schritt.
</source>
        <translation>Usage: quillon-cli [--port DEVICE|COMn] [--type N] [--interface pl45|pl40] [--yes] COMMAND

Commands:
  identify                 connect, print identification, type with its name and the extended function set
  find-interface [DEVICE...] search the ports (or the given devices) for a PL45,
                           print port and version
  receive -o FILE.qlc      read the whole parameter set and save it as a document file
  send FILE.qlc [--verify] [--set FIELD=VALUE ...]
                           write the parameter set of a document file into the transmitter;
                           --verify reads it back afterwards and compares, --set replaces fields
                           of the file (e.g. --set m_strBezeichnung=PT-101), checked as in the
                           edit dialog
  diff FILE.qlc [FILE2.qlc] [--json]
                           compare a document file with the transmitter (or with FILE2),
                           in the units and decimals of the form; exit status 0 equal,
                           1 different, 2 error
  show FILE.qlc [--json]   print the parameter set of a document file (readable or as JSON)
  sheet FILE.qlc -o SHEET.pdf [--before BEFORE.qlc]
                           write the configuration sheet of a document file as a PDF (no display needed);
                           with --before the values of BEFORE.qlc stand beside them (before/after)
  measure [--count N] [--interval S] [--log FILE]
                           read the measured value (and temperature) every S seconds (2 to 120) and print
                           one line each, with --log also append it to FILE; ends after N samples
                           or with Ctrl+C after the sample in progress
  calibration read -o FILE.json
                           read the transmitter's calibration data and save them as JSON
  calibration write FILE.json
                           check calibration data from JSON and write them into the transmitter
  temperature read [--json]
                           read the temperature calibration: I-Min, I-Max, temperatures and checksum
  temperature write --imin a,b,c,d,e,f --imax a,b,c,d,e,f --temp a,b,c,d,e,f --checksum N
                           check, compute and write the temperature calibration (six values each)
  history [--serial S] [--since DATE] [--json]
                           print the history: the recorded events, newest first
                           (only those of transmitter S, only those from DATE on, e.g. 2026-03-01)
  history show NO [-o FILE.qlc]
                           print one event; with -o save its parameter set (after, else
                           before) as a document file
  history export --csv FILE [--serial S] [--since DATE]
                           write the history as a CSV file

Options:
  --port DEVICE|COMn       device file (e.g. /dev/ttyUSB0) or COM number 1 to 16
  --type N                 transmitter type 0 to 10 (for identify, find-interface, receive;
                           send takes the type from the file; calibration uses it to
                           connect, after that the transmitter's identification counts)
  --interface pl45|pl40    programming interface
  --yes                    answer every yes/no question with yes (needed without a terminal for send
                           and for files of the old format)
  -o, --output FILE        target file of receive, sheet, calibration read and history show
  --json                   show, diff, temperature read and history print JSON
  --database PLACE         history in this SQLite file or on this server (e.g.
                           service=quillon) instead of as in the settings
  --trace FILE             after the command write the link trace (the frames sent and
                           received) to FILE
  -h, --help               this help
  -V, --version            print the program's version

Without options, port, type and interface come from the program's settings.
Exit status: 0 success, 1 operation failed (message on stderr), 2 wrong usage.
Progress appears on stderr: as a bar on a terminal, otherwise one line per step.
</translation>
    </message>
</context>
<context>
    <name>CCliTool</name>
    <message>
        <source>Kennung: %1</source>
        <translation>Identification: %1</translation>
    </message>
    <message>
        <source>Typ: %1 %2</source>
        <translation>Type: %1 %2</translation>
    </message>
    <message>
        <source>Erweitert: %1</source>
        <translation>Extended: %1</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Port: COM%1 (%2)</source>
        <translation>Port: COM%1 (%2)</translation>
    </message>
    <message>
        <source>Version: %1.%2</source>
        <translation>Version: %1.%2</translation>
    </message>
    <message>
        <source>Ohne Terminal braucht diese Frage die Option --yes.</source>
        <translation>Without a terminal this question needs the option --yes.</translation>
    </message>
    <message>
        <source>Ohne Terminal braucht send die Option --yes.</source>
        <translation>Without a terminal send needs the option --yes.</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <translation>Display unit</translation>
    </message>
    <message>
        <source>Dezimalstellen</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Grundmessbereich</source>
        <translation>Base range</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span correction</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Temperatur-Dämpfung</source>
        <translation>Temperature damping</translation>
    </message>
    <message>
        <source>Tastatursperre</source>
        <translation>Keyboard lock</translation>
    </message>
    <message>
        <source>Nullpunktsfenster</source>
        <translation>Zero window</translation>
    </message>
    <message>
        <source>Stromgrenze Min</source>
        <translation>Current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze Max</source>
        <translation>Current limit max</translation>
    </message>
    <message>
        <source>Fehlersignal-Strom</source>
        <translation>Fault signal current</translation>
    </message>
    <message>
        <source>Freier Bereich</source>
        <translation>Free range</translation>
    </message>
    <message>
        <source>Linearisierung</source>
        <translation>Linearization</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Gerät nicht kompatibel!</source>
        <translation>Device not compatible!</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden.
%2</source>
        <translation>The file %1 cannot be saved.
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geöffnet werden.
%2</source>
        <translation>The file %1 cannot be opened.
%2</translation>
    </message>
    <message>
        <source>%1: nichts gesendet.
%2</source>
        <translation>%1: nothing sent.
%2</translation>
    </message>
    <message>
        <source>%1: nichts gesendet.</source>
        <translation>%1: nothing sent.</translation>
    </message>
    <message>
        <source>I-Min (4mA): %1</source>
        <translation>I-Min (4mA): %1</translation>
    </message>
    <message>
        <source>I-Max (20mA): %1</source>
        <translation>I-Max (20mA): %1</translation>
    </message>
    <message>
        <source>Temperaturen: %1</source>
        <translation>Temperatures: %1</translation>
    </message>
    <message>
        <source>Checksumme: %1</source>
        <translation>Checksum: %1</translation>
    </message>
    <message>
        <source>%1
Nichts gesendet.</source>
        <translation>%1
Nothing sent.</translation>
    </message>
    <message>
        <source>Parameter senden</source>
        <translation>Send parameters</translation>
    </message>
    <message>
        <source>Nichts gesendet.</source>
        <translation>Nothing sent.</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Typ verschieden: %1 ist %2 %3, %4 ist %5 %6; nichts verglichen.</source>
        <translation>Types differ: %1 is %2 %3, %4 is %5 %6; nothing compared.</translation>
    </message>
    <message>
        <source>%1 gilt für einen anderen Transmittertyp (%2) als %3 (%4).</source>
        <translation>%1 is for another transmitter type (%2) than %3 (%4).</translation>
    </message>
    <message>
        <source>Das Verbindungsprotokoll kann nicht gespeichert werden: %1</source>
        <translation>The link trace cannot be saved: %1</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Unbekannter Transmitter-Typ: %1 (0 bis 10)</source>
        <translation>Unknown transmitter type: %1 (0 to 10)</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Nur eine Datei kann geöffnet werden: %1</source>
        <translation>Only one file can be opened: %1</translation>
    </message>
    <message>
        <source>--print braucht eine Datei und geht nicht mit --demo</source>
        <translation>--print needs a file and cannot be combined with --demo</translation>
    </message>
    <message>
        <source>Aufruf: %1 [--demo [TYP]] [DATEI.qlc]
       %1 --print DATEI.qlc
  --demo [TYP]   mit einem simulierten Transmitter des Typs 0 bis 10 arbeiten
  --print        das Konfigurationsblatt der Datei drucken und beenden
  -h, --help     diese Hilfe ausgeben
  -V, --version  die Programmversion ausgeben
</source>
        <translation>Usage: %1 [--demo [TYPE]] [FILE.qlc]
       %1 --print FILE.qlc
  --demo [TYPE]  work with a simulated transmitter of type 0 to 10
  --print        print the file's configuration sheet and exit
  -h, --help     print this help
  -V, --version  print the program's version
</translation>
    </message>
</context>
<context>
    <name>CCheckRecordJson</name>
    <message>
        <source>Die Prüfdaten sind beschädigt: "%1" fehlt oder ist ungültig.</source>
        <translation>The check data are damaged: "%1" is missing or not valid.</translation>
    </message>
    <message>
        <source>Die Prüfdaten sind beschädigt: kein JSON-Objekt.</source>
        <translation>The check data are damaged: not a JSON object.</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;Neu	Strg+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...	Strg+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>S&amp;peichern	Strg+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Drucken...	Strg+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Sei&amp;tenansicht</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Letzte Datei</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Transmitter-Typ...</source>
        <translation>Transmitter Type...</translation>
    </message>
    <message>
        <source>Aktuelle Daten...</source>
        <translation>Current Data...</translation>
    </message>
    <message>
        <source>0 ... 400mbar...</source>
        <translation>0 ... 400mbar...</translation>
    </message>
    <message>
        <source>0 ... 1 bar...</source>
        <translation>0 ... 1 bar...</translation>
    </message>
    <message>
        <source>0 ... 1,6 bar...</source>
        <translation>0 ... 1.6 bar...</translation>
    </message>
    <message>
        <source>0 ... 2,5 bar...</source>
        <translation>0 ... 2.5 bar...</translation>
    </message>
    <message>
        <source>0 ... 4 bar...</source>
        <translation>0 ... 4 bar...</translation>
    </message>
    <message>
        <source>0 ... 6 bar...</source>
        <translation>0 ... 6 bar...</translation>
    </message>
    <message>
        <source>0 ... 10 bar...</source>
        <translation>0 ... 10 bar...</translation>
    </message>
    <message>
        <source>0 ... 16 bar...</source>
        <translation>0 ... 16 bar...</translation>
    </message>
    <message>
        <source>0 ... 25 bar...</source>
        <translation>0 ... 25 bar...</translation>
    </message>
    <message>
        <source>0 ... 40 bar...</source>
        <translation>0 ... 40 bar...</translation>
    </message>
    <message>
        <source>-1 ... 0 bar...</source>
        <translation>-1 ... 0 bar...</translation>
    </message>
    <message>
        <source>-1 ... 0,6 bar...</source>
        <translation>-1 ... 0.6 bar...</translation>
    </message>
    <message>
        <source>-1 ... 1,5 bar...</source>
        <translation>-1 ... 1.5 bar...</translation>
    </message>
    <message>
        <source>-1 ... 3 bar...</source>
        <translation>-1 ... 3 bar...</translation>
    </message>
    <message>
        <source>-1 ... 5 bar...</source>
        <translation>-1 ... 5 bar...</translation>
    </message>
    <message>
        <source>-1 ... 9 bar...</source>
        <translation>-1 ... 9 bar...</translation>
    </message>
    <message>
        <source>-1 ... 15 bar...</source>
        <translation>-1 ... 15 bar...</translation>
    </message>
    <message>
        <source>Empfangen...</source>
        <translation>Receive...</translation>
    </message>
    <message>
        <source>Senden...</source>
        <translation>Send...</translation>
    </message>
    <message>
        <source>Messung...</source>
        <translation>Measurement...</translation>
    </message>
    <message>
        <source>Konfiguration...</source>
        <translation>Configuration...</translation>
    </message>
    <message>
        <source>Passwort...</source>
        <translation>Password...</translation>
    </message>
    <message>
        <source>Sprache...</source>
        <translation>Language...</translation>
    </message>
    <message>
        <source>Setup Hardware...</source>
        <translation>Hardware Setup...</translation>
    </message>
    <message>
        <source>Schnittstelle wählen</source>
        <translation>Choose Port</translation>
    </message>
    <message>
        <source>Schnittstellenart...</source>
        <translation>Interface Kind...</translation>
    </message>
    <message>
        <source>Verlauf-Datenbank...</source>
        <translation>History Database...</translation>
    </message>
    <message>
        <source>Hilfe Software...</source>
        <translation>Software Help...</translation>
    </message>
    <message>
        <source>Hilfe Transmitter...</source>
        <translation>Transmitter Help...</translation>
    </message>
    <message>
        <source>Anschlußhinweis....</source>
        <translation>Connection Notice...</translation>
    </message>
    <message>
        <source>Hilfethemen...</source>
        <translation>Help Topics...</translation>
    </message>
    <message>
        <source>Inf&amp;o über Varnex...</source>
        <translation>&amp;About Varnex...</translation>
    </message>
    <message>
        <source>Test RS232</source>
        <translation>Test RS232</translation>
    </message>
    <message>
        <source>Connect RX93</source>
        <translation>Connect RX93</translation>
    </message>
    <message>
        <source>Gerätekennung</source>
        <translation>Device Identification</translation>
    </message>
    <message>
        <source>Messwert</source>
        <translation>Measured Value</translation>
    </message>
    <message>
        <source>ADC-Wert</source>
        <translation>ADC Value</translation>
    </message>
    <message>
        <source>Mediumstemperatur</source>
        <translation>Medium Temperature</translation>
    </message>
    <message>
        <source>Messbereichsanfang</source>
        <translation>Range Start</translation>
    </message>
    <message>
        <source>Messbereichsende</source>
        <translation>Range End</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset Correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span Correction</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Messstelle</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Grundmessbreich Anfang</source>
        <translation>Base Range Start</translation>
    </message>
    <message>
        <source>Grundmessbereich Ende</source>
        <translation>Base Range End</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Abgleichdaten lesen...</source>
        <translation>Read Calibration Data...</translation>
    </message>
    <message>
        <source>Abgleichdaten anzeigen...</source>
        <translation>Show Calibration Data...</translation>
    </message>
    <message>
        <source>Abgleichdaten scheiben...</source>
        <translation>Write Calibration Data...</translation>
    </message>
    <message>
        <source>ADC-Werte auslesen...</source>
        <translation>Read ADC Values...</translation>
    </message>
    <message>
        <source>Seriennummer ändern...</source>
        <translation>Change Serial Number...</translation>
    </message>
    <message>
        <source>Analogabgleich...</source>
        <translation>Analog Calibration...</translation>
    </message>
    <message>
        <source>Interface Version...</source>
        <translation>Interface Version...</translation>
    </message>
    <message>
        <source>Abgleich freigeben</source>
        <translation>Enable Calibration</translation>
    </message>
    <message>
        <source>Abgleichdaten ändern...</source>
        <translation>Change Calibration Data...</translation>
    </message>
    <message>
        <source>Normalberieb</source>
        <translation>Normal Operation</translation>
    </message>
    <message>
        <source>Temperaturabgleich...</source>
        <translation>Temperature Calibration...</translation>
    </message>
    <message>
        <source>Abgleich-Wizzard</source>
        <translation>Calibration Wizard</translation>
    </message>
    <message>
        <source>Abgleichdaten schreiben...</source>
        <translation>Write Calibration Data...</translation>
    </message>
    <message>
        <source>DAC-Abgleich...</source>
        <translation>DAC Calibration...</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Editieren</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Messbereich</source>
        <translation>&amp;Measuring Range</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Abgleich</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>RX30 / RX31 / RX84 / RX96</source>
        <translation>RX30 / RX31 / RX84 / RX96</translation>
    </message>
    <message>
        <source>RX93</source>
        <translation>RX93</translation>
    </message>
    <message>
        <source>Verbinde Hardware...</source>
        <translation>Connect Hardware...</translation>
    </message>
    <message>
        <source>VN62</source>
        <translation>VN62</translation>
    </message>
    <message>
        <source>KA71</source>
        <translation>KA71</translation>
    </message>
    <message>
        <source>&amp;Senden/Empfangen</source>
        <translation>&amp;Send/Receive</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Messstellenbezeichung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Ausgang lesen</source>
        <translation>Read output</translation>
    </message>
    <message>
        <source>Parametrierung sperren</source>
        <translation>Lock parametrization</translation>
    </message>
    <message>
        <source>Parametrierung freigeben</source>
        <translation>Release parametrization</translation>
    </message>
    <message>
        <source>Fehlersignal lesen</source>
        <translation>Read fault signal</translation>
    </message>
    <message>
        <source>Stromgrenze min lesen</source>
        <translation>Read current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze max lesen</source>
        <translation>Read current limit max</translation>
    </message>
    <message>
        <source>Fehlersignal ändern</source>
        <translation>Change fault signal</translation>
    </message>
    <message>
        <source>Stromgrenze min änderen</source>
        <translation>Change current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze max ändern</source>
        <translation>Change current limit max</translation>
    </message>
    <message>
        <source>LinTab lesen</source>
        <translation>Read lin. table</translation>
    </message>
    <message>
        <source>LinTab schreiben</source>
        <translation>Write lin. table</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>&amp;Vergleichen...</source>
        <translation>Co&amp;mpare...</translation>
    </message>
    <message>
        <source>Ver&amp;lauf...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>Verbindungsprotokoll...</source>
        <translation>Link Trace...</translation>
    </message>
    <message>
        <source>Fehlerbericht speichern...</source>
        <translation>Save Problem Report...</translation>
    </message>
    <message>
        <source>Prüfung...</source>
        <translation>Check...</translation>
    </message>
</context>
<context>
    <name>CComport</name>
    <message>
        <source>PL45 suchen</source>
        <translation>Search PL45</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>PC-Schnittstelle</source>
        <translation>PC port</translation>
    </message>
</context>
<context>
    <name>CComportRules</name>
    <message>
        <source>Suche Interface...</source>
        <translation>Searching for the interface...</translation>
    </message>
    <message>
        <source>Connect COM%1...</source>
        <translation>Connect COM%1...</translation>
    </message>
    <message>
        <source>Suche Interface</source>
        <translation>Interface search</translation>
    </message>
</context>
<context>
    <name>CConnection</name>
    <message>
        <source>Kann Transmitter nicht anprechen!

Prüfen Sie Schnittstelle, Transmitter- und Interfacetyp.
Ziehen Sie das USB-Kabel ab und verbinden Sie es erneut.</source>
        <translation>Cannot reach the transmitter!

Check the port, the transmitter type and the interface type.
Unplug the USB cable and connect it again.</translation>
    </message>
    <message>
        <source>Transmitter an COM%1 gefunden
Kennung:%2</source>
        <translation>Transmitter found at COM%1
Identification:%2</translation>
    </message>
    <message>
        <source>Bitte prüfen den Transmittertyp:
Eingestellt: KXP03 ab 2006 
Angeschlossen: KXP02 ab 2006</source>
        <translation>Please check the transmitter type:
Selected: KXP03 from 2006 
Connected: KXP02 from 2006</translation>
    </message>
    <message>
        <source>Bitte prüfen den Transmittertyp:
Eingestellt: KXP02 ab 2006
Angeschlossen: KXP03 ab 2006</source>
        <translation>Please check the transmitter type:
Selected: KXP02 from 2006
Connected: KXP03 from 2006</translation>
    </message>
    <message>
        <source>Suche Interface...</source>
        <translation>Searching for the interface...</translation>
    </message>
    <message>
        <source>Connect COM%1...</source>
        <translation>Connect COM%1...</translation>
    </message>
    <message>
        <source>Suche Interface</source>
        <translation>Interface search</translation>
    </message>
    <message>
        <source>PL45 (ab 2006) gefunden an </source>
        <translation>PL45 (from 2006) found at </translation>
    </message>
    <message>
        <source>Kein Interface gefunden!</source>
        <translation>No interface found!</translation>
    </message>
</context>
<context>
    <name>CCorrectionLimits</name>
    <message>
        <source>Der Grundmessbereich hat keine Spanne.</source>
        <translation>The base range has no span.</translation>
    </message>
</context>
<context>
    <name>CDacAbglVN62</name>
    <message>
        <source>DAC-Abgleich VN62</source>
        <translation>DAC calibration VN62</translation>
    </message>
    <message>
        <source>DAC0: Analogausgang 1</source>
        <translation>DAC0: analog output 1</translation>
    </message>
    <message>
        <source>DAC1: Analogausgang 2</source>
        <translation>DAC1: analog output 2</translation>
    </message>
    <message>
        <source>DAC-Abgl lesen</source>
        <translation>Read DAC cal.</translation>
    </message>
    <message>
        <source>DAC-Abgl senden</source>
        <translation>Send DAC cal.</translation>
    </message>
    <message>
        <source>DAC freigeben</source>
        <translation>Release DAC</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>4mA</source>
        <translation>4mA</translation>
    </message>
    <message>
        <source>12mA</source>
        <translation>12mA</translation>
    </message>
    <message>
        <source>20mA</source>
        <translation>20mA</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Bitte eine ganze Zahl zwischen 0 und %1 eingeben.</source>
        <translation>Please enter a whole number between 0 and %1.</translation>
    </message>
</context>
<context>
    <name>CDacAbglVN62Loop</name>
    <message>
        <source>Sendefehler!</source>
        <translation>Send error!</translation>
    </message>
    <message>
        <source>Empfangsfehler!</source>
        <translation>Receive error!</translation>
    </message>
</context>
<context>
    <name>CDemoMode</name>
    <message>
        <source>Der Demomodus kennt keinen Transmittertyp %1 (0 bis %2).</source>
        <translation>The demo mode knows no transmitter type %1 (0 to %2).</translation>
    </message>
    <message>
        <source>Der Simulator %1 wurde nicht gefunden (gesucht in: %2).</source>
        <translation>The simulator %1 was not found (looked in: %2).</translation>
    </message>
    <message>
        <source>Der Simulator %1 lässt sich nicht starten: %2</source>
        <translation>The simulator %1 cannot be started: %2</translation>
    </message>
    <message>
        <source>Der Simulator %1 hat nach %2 s noch kein Gerät gemeldet.</source>
        <translation>The simulator %1 has not named a device after %2 s.</translation>
    </message>
    <message>
        <source>Der Simulator %1 hat sich beendet, ohne ein Gerät zu melden: %2</source>
        <translation>The simulator %1 ended without naming a device: %2</translation>
    </message>
</context>
<context>
    <name>CDiagnoseCommands</name>
    <message>
        <source>Zip-Dateien (*.zip);;Alle Dateien (*)</source>
        <translation>Zip files (*.zip);;All files (*)</translation>
    </message>
    <message>
        <source>Der Fehlerbericht kann nicht gespeichert werden: %1</source>
        <translation>The problem report cannot be saved: %1</translation>
    </message>
</context>
<context>
    <name>CDialogButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgAbgleichdaten</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgLogAnzeige</name>
    <message>
        <source>Log-Datei anzeigen</source>
        <translation>Show Log File</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kann Datei nicht öffnen!</source>
        <translation>Cannot open file!</translation>
    </message>
    <message>
        <source>Datei wird gelesen... %1 %</source>
        <translation>Reading the file... %1 %</translation>
    </message>
    <message>
        <source>Messwerte: %1</source>
        <translation>Measured values: %1</translation>
    </message>
    <message>
        <source>nicht lesbare Zeilen übersprungen: %1</source>
        <translation>unreadable lines skipped: %1</translation>
    </message>
</context>
<context>
    <name>CDlgRX31Abgl</name>
    <message>
        <source>RX31 Abgleichdaten</source>
        <translation>RX31 calibration data</translation>
    </message>
    <message>
        <source>adc</source>
        <translation>adc</translation>
    </message>
    <message>
        <source>dac</source>
        <translation>dac</translation>
    </message>
    <message>
        <source>TemperaturADC</source>
        <translation>Temperature ADC</translation>
    </message>
    <message>
        <source>Werks-Offsetabgleich</source>
        <translation>Factory offset calibration</translation>
    </message>
    <message>
        <source>Werks-Spanneabgleich</source>
        <translation>Factory span calibration</translation>
    </message>
    <message>
        <source>10000 = neutral; Wertebereich 9000 ( = -10%)  ... 11000 (+10%)</source>
        <translation>10000 = neutral; range 9000 ( = -10%)  ... 11000 (+10%)</translation>
    </message>
    <message>
        <source>KommaPos</source>
        <translation>Decimal position</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <source>Abgleichsbereich</source>
        <translation>Calibration range</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>0 = x1;  1 = x2;  2 = x4;  3 = x8;  4 = x16;  5 = x32 </source>
        <translation>0 = x1;  1 = x2;  2 = x4;  3 = x8;  4 = x16;  5 = x32 </translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>0 = keine Einheit, 1 = bar, 2 = mbar, 3 = Pa, 4 = kPa, 5 = °C, 6 = °F, 7 = %</source>
        <translation>0 = no unit, 1 = bar, 2 = mbar, 3 = Pa, 4 = kPa, 5 = °C, 6 = °F, 7 = %</translation>
    </message>
    <message>
        <source>EnableParametrierung</source>
        <translation>EnableParametrization</translation>
    </message>
    <message>
        <source>TK-Formel Offset</source>
        <translation>TC formula offset</translation>
    </message>
    <message>
        <source>TK-Formel Spanne</source>
        <translation>TC formula span</translation>
    </message>
</context>
<context>
    <name>CDlgSioTransfer</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Senderichtung: PC -&gt; RX93</source>
        <translation>Send direction: PC -&gt; RX93</translation>
    </message>
    <message>
        <source>Empfangsrichtung:  RX93 -&gt; PC</source>
        <translation>Receive direction:  RX93 -&gt; PC</translation>
    </message>
    <message>
        <source>%1 (hex)</source>
        <translation>%1 (hex)</translation>
    </message>
    <message>
        <source>%1 (Text)</source>
        <translation>%1 (text)</translation>
    </message>
</context>
<context>
    <name>CDlgTransmitterHalvard</name>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Transmitter-Typ</source>
        <translation>Transmitter type</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgVN62Abgl</name>
    <message>
        <source>VN62 Abgleichdaten</source>
        <translation>VN62 calibration data</translation>
    </message>
    <message>
        <source>10000 = neutral,
 9000  = -10% 
11000 = +10%</source>
        <translation>10000 = neutral,
 9000  = -10% 
11000 = +10%</translation>
    </message>
    <message>
        <source>P1-Druckabgleich ADC0:</source>
        <translation>P1 pressure calibration ADC0:</translation>
    </message>
    <message>
        <source>P2-Druckabgleich ADC1</source>
        <translation>P2 pressure calibration ADC1</translation>
    </message>
    <message>
        <source>Analogausgang 0: DAC0</source>
        <translation>Analog output 0: DAC0</translation>
    </message>
    <message>
        <source>Analogausgang 1: DAC1</source>
        <translation>Analog output 1: DAC1</translation>
    </message>
    <message>
        <source>TemperaturADC</source>
        <translation>Temperature ADC</translation>
    </message>
    <message>
        <source>Werks-Offsetabgleich</source>
        <translation>Factory offset calibration</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>Werks-Spanneabgleich</source>
        <translation>Factory span calibration</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>KommaPos</source>
        <translation>Decimal position</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <source>Abgleichsbereich</source>
        <translation>Calibration range</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>EnableFernParametrierung</source>
        <translation>EnableRemoteParametrization</translation>
    </message>
    <message>
        <source>Statischer Druckmessbreich</source>
        <translation>Static measuring range</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>TK-Offset</source>
        <translation>TC offset</translation>
    </message>
    <message>
        <source>TK-Spanne</source>
        <translation>TC span</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
</context>
<context>
    <name>CDlgVerbindungsprotokoll</name>
    <message>
        <source>Verbindungsprotokoll</source>
        <translation>Link Trace</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Protokollkategorien (ausführliche Meldungen)</source>
        <translation>Logging categories (detailed messages)</translation>
    </message>
    <message>
        <source>Textdateien (*.txt);;Alle Dateien (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Das Verbindungsprotokoll kann nicht gespeichert werden: %1</source>
        <translation>The link trace cannot be saved: %1</translation>
    </message>
</context>
<context>
    <name>CDlgVerlauf</name>
    <message>
        <source>Transmitter</source>
        <translation>Transmitters</translation>
    </message>
    <message>
        <source>Ereignisse</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Seriennummer oder Bezeichnung</source>
        <translation>Serial number or tag</translation>
    </message>
    <message>
        <source>Als Dokument öffnen</source>
        <translation>Open as Document</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Drucken...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Erneut senden</source>
        <translation>Send again</translation>
    </message>
    <message>
        <source>Suchen:</source>
        <translation>Search:</translation>
    </message>
</context>
<context>
    <name>CDoLoggen</name>
    <message>
        <source>Temperatur:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Daten loggen</source>
        <translation>Logging data</translation>
    </message>
    <message>
        <source>Messwert:</source>
        <translation>Measured value:</translation>
    </message>
    <message>
        <source>letzte Messung:</source>
        <translation>last measurement:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDocumentFile</name>
    <message>
        <source>Die Datei ist unvollständig oder beschädigt und wurde nicht geladen.</source>
        <translation>The file is incomplete or damaged and was not loaded.</translation>
    </message>
    <message>
        <source>Altes Dateiformat!
Datei trotzdem öffnen?</source>
        <translation>Old file format!
Open the file anyway?</translation>
    </message>
    <message>
        <source>Falsche Datei-Version</source>
        <translation>Wrong file version</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geöffnet werden.
%2</source>
        <translation>The file %1 cannot be opened.
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Parameter-Dokument.</source>
        <translation>The file %1 is not a parameter document.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.
%2</source>
        <translation>The file %1 cannot be read.
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden.
%2</source>
        <translation>The file %1 cannot be saved.
%2</translation>
    </message>
</context>
<context>
    <name>CDocumentSession</name>
    <message>
        <source>Änderungen an %1 speichern?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>CEditCommands</name>
    <message>
        <source>Sendefehler!</source>
        <translation>Send error!</translation>
    </message>
</context>
<context>
    <name>CEditData</name>
    <message>
        <source>Daten editieren</source>
        <translation>Edit data</translation>
    </message>
    <message>
        <source>Grundmessbereich</source>
        <translation>Base range</translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Signalumformung</source>
        <translation>Signal conversion</translation>
    </message>
    <message>
        <source>4mA Signal bei</source>
        <translation>4mA signal at</translation>
    </message>
    <message>
        <source>20mA Signal bei</source>
        <translation>20mA signal at</translation>
    </message>
    <message>
        <source>Dämpfung:</source>
        <translation>Damping:</translation>
    </message>
    <message>
        <source>Sek.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Dämpfung Temp.:</source>
        <translation>Temp. damping:</translation>
    </message>
    <message>
        <source>Lin.-Korrektur:</source>
        <translation>Lin. correction:</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Stromgrenzen</source>
        <translation>Current limits</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Transmitterfehler</source>
        <translation>Transmitter fault</translation>
    </message>
    <message>
        <source>Strom:</source>
        <translation>Current:</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>CEditDataRX30</name>
    <message>
        <source>steigend</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>fallend</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>Kennlinie</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source>Begrenzung Ausgang</source>
        <translation>Output limits</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Signal:</translation>
    </message>
    <message>
        <source>Eingabegrenzen</source>
        <translation>Input limits</translation>
    </message>
</context>
<context>
    <name>CEditDataRX31_3x</name>
    <message>
        <source>Dämpfung Druck:</source>
        <translation>Pressure damping:</translation>
    </message>
</context>
<context>
    <name>CEditDataRules</name>
    <message>
        <source>Der Grundmessbereich hat keine Spanne.</source>
        <translation>The base range has no span.</translation>
    </message>
    <message>
        <source>0,0 ... 200,0 Sekunden</source>
        <translation>0.0 ... 200.0 seconds</translation>
    </message>
    <message>
        <source>3,5 ... 22,5 mA</source>
        <translation>3,5 ... 22,5 mA</translation>
    </message>
    <message>
        <source>max. 20 Zeichen</source>
        <translation>max. 20 characters</translation>
    </message>
    <message>
        <source>Maximale Spreizung 4:1</source>
        <translation>Maximum turn-down 4:1</translation>
    </message>
    <message>
        <source>Maximale Spreizung %1 : 1 !</source>
        <translation>Maximum turn-down %1 : 1 !</translation>
    </message>
    <message>
        <source>Stromgrenze Min &gt; Max!</source>
        <translation>Current limit min &gt; max!</translation>
    </message>
    <message>
        <source>Der Transmitter kann nur druckbare Zeichen aus Windows-1252 speichern (keine Tabulatoren, Zeilenumbrüche oder Steuerzeichen).</source>
        <translation>The transmitter can store only printable characters of Windows-1252 (no tabs, line breaks or control characters).</translation>
    </message>
</context>
<context>
    <name>CEditData_KA71</name>
    <message>
        <source>Wasser</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Benzin</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Einheit:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Medium:</translation>
    </message>
</context>
<context>
    <name>CEdition</name>
    <message>
        <source>Varnex Abgleich und Test</source>
        <translation>Varnex Calibration and Test</translation>
    </message>
    <message>
        <source>Varnex</source>
        <translation>Varnex</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 (Demo)</source>
        <translation>%1 (Demo)</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Dateityp Vx-Dat (*.qlc)</source>
        <translation>Vx-Dat files (*.qlc)</translation>
    </message>
</context>
<context>
    <name>CEnterData</name>
    <message>
        <source>Dateneingabe</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFileDialogChooser</name>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>CFileProblem</name>
    <message>
        <source>Das ist ein Verzeichnis, keine Datei.</source>
        <translation>This is a directory, not a file.</translation>
    </message>
    <message>
        <source>Die Datei existiert nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Keine Berechtigung, die Datei zu lesen.</source>
        <translation>No permission to read the file.</translation>
    </message>
    <message>
        <source>Das Verzeichnis %1 existiert nicht.</source>
        <translation>The directory %1 does not exist.</translation>
    </message>
    <message>
        <source>Keine Berechtigung, hier zu schreiben.</source>
        <translation>No permission to write here.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Lesefehler.</source>
        <translation>Read error.</translation>
    </message>
    <message>
        <source>Schreibfehler.</source>
        <translation>Write error.</translation>
    </message>
</context>
<context>
    <name>CFormModel</name>
    <message>
        <source>fallend</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>steigend</source>
        <translation>rising</translation>
    </message>
</context>
<context>
    <name>CFreigabe</name>
    <message>
        <source>Freigeben</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Sperren</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Freigabe</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
</context>
<context>
    <name>CGuiOperator</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Retry</translation>
    </message>
</context>
<context>
    <name>CHardwareSetup</name>
    <message>
        <source>Interface suchen</source>
        <translation>Search interface</translation>
    </message>
    <message>
        <source>Verbindung prüfen</source>
        <translation>Check connection</translation>
    </message>
    <message>
        <source>Beim nächsten Programmstart anzeigen</source>
        <translation>Show at next program start</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hardware Setup</source>
        <translation>Hardware setup</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>PC-Schnittstelle</source>
        <translation>PC port</translation>
    </message>
    <message>
        <source>Nach dem Senden prüfen</source>
        <translation>Verify after sending</translation>
    </message>
</context>
<context>
    <name>CHardwareSetupRules</name>
    <message>
        <source>Hinweis:

Obwohl beim Interface PL45 der PC-Anschluß über USB erfolgt, muss eine (virtuelle) COM-Schnittstelle ausgewählt werden, über die das Interface angesprochen wird.</source>
        <translation>Note:

Although the PL45 interface is connected to the PC through USB, a (virtual) COM port must be chosen through which the interface is addressed.</translation>
    </message>
    <message>
        <source>(nicht verfügbar)</source>
        <translation>(not available)</translation>
    </message>
</context>
<context>
    <name>CHelpDocuments</name>
    <message>
        <source>Die Hilfedatei "%1" wurde nicht gefunden.

Gesucht in:
%2</source>
        <translation>The help file "%1" was not found.

Searched in:
%2</translation>
    </message>
    <message>
        <source>Die Hilfedatei "%1" konnte nicht geöffnet werden.

Ist ein Programm zum Anzeigen von PDF-Dateien installiert?</source>
        <translation>The help file "%1" could not be opened.

Is a program for viewing PDF files installed?</translation>
    </message>
</context>
<context>
    <name>CHelpTopics</name>
    <message>
        <source>Programmer</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parametrierung</source>
        <translation>Parametrization</translation>
    </message>
    <message>
        <source>Linearitätskorrektur</source>
        <translation>Linearity correction</translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Messen</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Loggen</source>
        <translation>Logging</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Vor- Ort Bedienung</source>
        <translation>On-site operation</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
</context>
<context>
    <name>CHilfethemen</name>
    <message>
        <source>Hilfethemen</source>
        <translation>Help topics</translation>
    </message>
</context>
<context>
    <name>CHinweisText</name>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>CHinweisTextRules</name>
    <message>
        <source>Beim Anschluß des Programmier-Interfaces PL45 beachten Sie bitte folgenden Hinweis:
Verbinden Sie erst das Interface mit dem Transmitter. Schließen Sie dann den PC über USB an.

Für den direkten Transmitteranschluß verfügt der  PL45über eine interne 24V-Hilfsspannung, die bei Bedarf automatisch eingeschaltet wird. Beachten daher Sie den Status der entsprechenden LED, wenn Sie einen Transmitter anschließen!</source>
        <translation>When connecting the programming interface PL45, please note:
First connect the interface to the transmitter. Then connect the PC through USB.

For connecting a transmitter directly, the PL45 has an internal 24 V auxiliary supply that is switched on automatically when needed. Therefore watch the state of the corresponding LED when you connect a transmitter!</translation>
    </message>
    <message>
        <source>Beim nächsten Programmstart anzeigen</source>
        <translation>Show at next program start</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Zuletzt gesehen</source>
        <translation>Last seen</translation>
    </message>
    <message>
        <source>Ereignisse</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Vorgang</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Werte geschrieben</source>
        <translation>Values written</translation>
    </message>
    <message>
        <source>Abgleichdaten gelesen</source>
        <translation>Calibration data read</translation>
    </message>
    <message>
        <source>Abgleichdaten geschrieben</source>
        <translation>Calibration data written</translation>
    </message>
    <message>
        <source>Analogabgleich</source>
        <translation>Analog calibration</translation>
    </message>
    <message>
        <source>Abgleich-Wizzard</source>
        <translation>Calibration wizard</translation>
    </message>
    <message>
        <source>Temperaturabgleich</source>
        <translation>Temperature calibration</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Ausgeführt</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Fehlgeschlagen</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Dieses Ereignis enthält keinen Parametersatz.</source>
        <translation>This event holds no parameter set.</translation>
    </message>
</context>
<context>
    <name>CHistorySettingsRules</name>
    <message>
        <source>Kennwörter gehören nicht ins Profil, dort wären sie für jeden lesbar. Geben Sie die Verbindung ohne Kennwort an und legen Sie das Kennwort in der Datei ~/.pgpass oder in der Umgebungsvariablen PGPASSWORD ab (die ganze Verbindung auch in ~/.pg_service.conf, dann genügt "service=name").</source>
        <translation>Passwords do not belong in the profile, where anyone could read them. Enter the connection without a password and put the password in the file ~/.pgpass or in the environment variable PGPASSWORD (the whole connection may also go in ~/.pg_service.conf; "service=name" then suffices).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Verbindung zum Server der Anlage an, zum Beispiel "service=quillon" oder "host=server dbname=quillon".</source>
        <translation>Please enter the connection to the plant's server, for example "service=quillon" or "host=server dbname=quillon".</translation>
    </message>
    <message>
        <source>Die Verbindung wird mit Schlüsselwörtern angegeben, nicht als postgresql://...-Adresse, zum Beispiel "host=server port=5432 dbname=quillon user=station" oder "service=quillon".</source>
        <translation>Enter the connection as keywords, not as a postgresql://... address, for example "host=server port=5432 dbname=quillon user=station" or "service=quillon".</translation>
    </message>
</context>
<context>
    <name>CHistoryStatus</name>
    <message>
        <source>Verlauf: Ereignis %1</source>
        <translation>History: event %1</translation>
    </message>
    <message>
        <source>Für den Verlaufsserver wartend: %1</source>
        <translation>Waiting for the history server: %1</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Kein Vorgang mit der Nummer %1 im Verlauf.</source>
        <translation>No event with the number %1 in the history.</translation>
    </message>
    <message>
        <source>Der Vorgang %1 enthält keinen Parametersatz.</source>
        <translation>Event %1 holds no parameter set.</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>CHistoryDatabase</name>
    <message>
        <source>Der Datenbanktreiber %1 fehlt (Paket %2).</source>
        <translation>The database driver %1 is missing (package %2).</translation>
    </message>
    <message>
        <source>Die Datei ist die Datenbank eines anderen Programms.</source>
        <translation>The file is another program's database.</translation>
    </message>
    <message>
        <source>Die Datenbank stammt von einer neueren Programmversion (Schema %1).</source>
        <translation>The database comes from a newer version of the program (schema %1).</translation>
    </message>
</context>
<context>
    <name>CHistoryStore</name>
    <message>
        <source>Die Verlaufsdatenbank %1 ist beschädigt oder gehört einem anderen Programm (%2) und kann nicht umbenannt werden. Das Programm arbeitet ohne Verlauf.</source>
        <translation>The history database %1 is damaged or belongs to another program (%2) and cannot be renamed. The program works without history.</translation>
    </message>
    <message>
        <source>Die Verlaufsdatenbank %1 ist beschädigt oder gehört einem anderen Programm (%2). Sie wurde in %3 umbenannt; ein neuer Verlauf beginnt.</source>
        <translation>The history database %1 is damaged or belongs to another program (%2). It was renamed to %3; a new history begins.</translation>
    </message>
    <message>
        <source>Die Verlaufsdatenbank %1 kann nicht benutzt werden (%2). Das Programm arbeitet ohne Verlauf.</source>
        <translation>The history database %1 cannot be used (%2). The program works without history.</translation>
    </message>
    <message>
        <source>Der Verlaufsserver ist nicht erreichbar (%1). Die Ereignisse bleiben auf diesem PC und werden weitergegeben, sobald er wieder erreichbar ist.</source>
        <translation>The history server cannot be reached (%1). The events stay on this PC and are handed on as soon as it can be reached again.</translation>
    </message>
    <message>
        <source>Der Verlaufsserver kann nicht benutzt werden (%1). Die Ereignisse bleiben auf diesem PC.</source>
        <translation>The history server cannot be used (%1). The events stay on this PC.</translation>
    </message>
    <message>
        <source>Die Rolle dieses Arbeitsplatzes darf auf dem Verlaufsserver nicht schreiben (%1). Die Ereignisse bleiben auf diesem PC.</source>
        <translation>This station's role may not write on the history server (%1). The events stay on this PC.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Verlaufsserver ist unterbrochen. Die Ereignisse bleiben auf diesem PC und werden weitergegeben, sobald er wieder erreichbar ist.</source>
        <translation>The connection to the history server is broken. The events stay on this PC and are handed on as soon as it can be reached again.</translation>
    </message>
    <message>
        <source>Das Ereignis kann nicht im Verlauf gespeichert werden: %1</source>
        <translation>The event cannot be stored in the history: %1</translation>
    </message>
</context>
<context>
    <name>CKalibrierung</name>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Aktueller Messwert</source>
        <translation>Current measured value</translation>
    </message>
    <message>
        <source>Messdruck:</source>
        <translation>Measured pressure:</translation>
    </message>
    <message>
        <source>Temperatur:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Neuer Messwert</source>
        <translation>New measured value</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span correction</translation>
    </message>
    <message>
        <source>% FS</source>
        <translation>% FS</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CKonfiguration</name>
    <message>
        <source>Konfiguration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>Messdruck:</source>
        <translation>Pressure:</translation>
    </message>
    <message>
        <source>Temperatur:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Neuer Messwert</source>
        <translation>New measured value</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span correction</translation>
    </message>
    <message>
        <source>% FS</source>
        <translation>% FS</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read out</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Nullpunktsfenster</source>
        <translation>Zero window</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>CKonfigurationRules</name>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Tastensperre</source>
        <translation>Key lock</translation>
    </message>
</context>
<context>
    <name>CKonfigurationsblatt</name>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Kennung:</source>
        <translation>Identification:</translation>
    </message>
    <message>
        <source>Serien-Nummer:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Eingang</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Messbereichsanfang:</source>
        <translation>Measuring range start:</translation>
    </message>
    <message>
        <source>Messbereichsende:</source>
        <translation>Measuring range end:</translation>
    </message>
    <message>
        <source>Offsetkorrektur (OFF):</source>
        <translation>Offset correction (OFF):</translation>
    </message>
    <message>
        <source>Spannekorrektur (SPAN):</source>
        <translation>Span correction (SPAN):</translation>
    </message>
    <message>
        <source>Nullpunktsfenster (NP):</source>
        <translation>Zero window (NP):</translation>
    </message>
    <message>
        <source>Tastatursperre (TAST):</source>
        <translation>Keyboard lock (TAST):</translation>
    </message>
    <message>
        <source>Dämpfung:</source>
        <translation>Damping:</translation>
    </message>
    <message>
        <source>Dämpfung Druck (DP):</source>
        <translation>Pressure damping (DP):</translation>
    </message>
    <message>
        <source>Dämpfung Temperatur (DT):</source>
        <translation>Temperature damping (DT):</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Kennlinie:</source>
        <translation>Characteristic:</translation>
    </message>
    <message>
        <source>fallend</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>steigend</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>4mA bei (MA):</source>
        <translation>4mA at (MA):</translation>
    </message>
    <message>
        <source>20mA bei (ME):</source>
        <translation>20mA at (ME):</translation>
    </message>
    <message>
        <source>min. Ausgangsgrenzwert:</source>
        <translation>Min. output limit:</translation>
    </message>
    <message>
        <source>max. Ausgangsgrenzwert:</source>
        <translation>Max. output limit:</translation>
    </message>
    <message>
        <source>Fehlersignal:</source>
        <translation>Fault signal:</translation>
    </message>
    <message>
        <source>Freier Messbereich</source>
        <translation>Free range</translation>
    </message>
    <message>
        <source>Anfang (MAF):</source>
        <translation>Start (MAF):</translation>
    </message>
    <message>
        <source>Ende (MEF):</source>
        <translation>End (MEF):</translation>
    </message>
    <message>
        <source>Dezimalpunkt (DPF):</source>
        <translation>Decimal point (DPF):</translation>
    </message>
    <message>
        <source>Medium (MED):</source>
        <translation>Medium (MED):</translation>
    </message>
    <message>
        <source>Halvard Drucktransmitter</source>
        <translation>Halvard Pressure Transmitter</translation>
    </message>
    <message>
        <source>Konfigurationsdaten</source>
        <translation>Configuration data</translation>
    </message>
    <message>
        <source>Linearitätskorrektur</source>
        <translation>Linearization</translation>
    </message>
    <message>
        <source>Druckdatum:</source>
        <translation>Print date:</translation>
    </message>
    <message>
        <source>Wasser</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Benzin</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Nachher</source>
        <translation>After</translation>
    </message>
    <message>
        <source>* Wert geändert (Vorher: wie empfangen, Nachher: wie gesendet)</source>
        <translation>* Value changed (Before: as received, After: as sent)</translation>
    </message>
</context>
<context>
    <name>CKorrekturSchleife</name>
    <message>
        <source>Sendefehler!</source>
        <translation>Send error!</translation>
    </message>
</context>
<context>
    <name>CKorrekturTransfer</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Transmitter ...</source>
        <translation>Connecting transmitter ...</translation>
    </message>
    <message>
        <source>Lese aktuellen Messwert ...</source>
        <translation>Reading current measured value ...</translation>
    </message>
    <message>
        <source>Lese aktuelle Temperatur ...</source>
        <translation>Reading current temperature ...</translation>
    </message>
    <message>
        <source>Lese Offsetkorrektur ...</source>
        <translation>Reading offset correction ...</translation>
    </message>
    <message>
        <source>Lese Spannekorrektur ...</source>
        <translation>Reading span correction ...</translation>
    </message>
    <message>
        <source>Lese Nullpunktsunterdrückung...</source>
        <translation>Reading zero suppression...</translation>
    </message>
    <message>
        <source>Lese Tastatur-Timeout...</source>
        <translation>Reading keyboard time-out...</translation>
    </message>
    <message>
        <source>Messbereich im Transmitter unterscheidet sich
vom eingestellten Bereich!.</source>
        <translation>The range in the transmitter differs
from the range set here!</translation>
    </message>
    <message>
        <source>Teste Transmitter ...</source>
        <translation>Testing transmitter ...</translation>
    </message>
    <message>
        <source>Schreibe Offsetkorrektur ...</source>
        <translation>Writing offset correction ...</translation>
    </message>
    <message>
        <source>Schreibe Spannekorrektur ...</source>
        <translation>Writing span correction ...</translation>
    </message>
    <message>
        <source>Schreibe Nullpunktsfenster ...</source>
        <translation>Writing zero window ...</translation>
    </message>
    <message>
        <source>Schreibe Tastensperre ...</source>
        <translation>Writing key lock ...</translation>
    </message>
</context>
<context>
    <name>CLinTab</name>
    <message>
        <source>Linearitätskorrektur</source>
        <translation>Linearity correction</translation>
    </message>
    <message>
        <source>0% = </source>
        <translation>0% = </translation>
    </message>
    <message>
        <source>4mA = </source>
        <translation>4mA = </translation>
    </message>
    <message>
        <source>100% = </source>
        <translation>100% = </translation>
    </message>
    <message>
        <source>20mA = </source>
        <translation>20mA = </translation>
    </message>
    <message>
        <source>Stützpunkte</source>
        <translation>Support points</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Messwert</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CLinTabRules</name>
    <message>
        <source>radiziert</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>Anfang und Ende dürfen nicht gleich sein.</source>
        <translation>Start and end must not be equal.</translation>
    </message>
    <message>
        <source>Der Messbereich von 4 mA bis 20 mA hat keine Spanne.</source>
        <translation>The range from 4 mA to 20 mA has no span.</translation>
    </message>
    <message>
        <source>Geben Sie bitte eine Zahl zwischen %1 und %2 ein.</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Die Tabellenwerte müssen sich um mindestens %1 ändern !</source>
        <translation>The table values must change by at least %1 !</translation>
    </message>
</context>
<context>
    <name>CLinTab_Druck_KA71</name>
    <message>
        <source>Freier Messbereich</source>
        <translation>Free range</translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Komma:</source>
        <translation>Decimal point:</translation>
    </message>
</context>
<context>
    <name>CLoggen</name>
    <message>
        <source>Loggen</source>
        <translation>Logging</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aktuelle Werte</source>
        <translation>Current values</translation>
    </message>
    <message>
        <source>Messwert:</source>
        <translation>Measured value:</translation>
    </message>
    <message>
        <source>Temperatur:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>Daten holen</source>
        <translation>Get data</translation>
    </message>
    <message>
        <source>Intervall:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>Sek.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Log-Datei anzeigen...</source>
        <translation>Show Log File...</translation>
    </message>
    <message>
        <source>Log-Datei anzeigen</source>
        <translation>Show Log File</translation>
    </message>
</context>
<context>
    <name>CLoggenRules</name>
    <message>
        <source>Log-Dateien (*.log);;Alle Dateien (*)</source>
        <translation>Log files (*.log);;All files (*)</translation>
    </message>
</context>
<context>
    <name>CLoggingSwitches</name>
    <message>
        <source>Schnittstelle und Telegramme</source>
        <translation>port and frames</translation>
    </message>
    <message>
        <source>Transmitter-Abläufe</source>
        <translation>transmitter sequences</translation>
    </message>
    <message>
        <source>Dokumentdateien</source>
        <translation>document files</translation>
    </message>
    <message>
        <source>Simulator</source>
        <translation>simulator</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Dieses Ereignis enthält den Parametersatz vor dem Vorgang und den danach. Welchen wollen Sie öffnen?</source>
        <translation>This event holds the parameter set before the operation and the one after it. Which one do you want to open?</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Nachher</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Symbolleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Eine Datenübertragung läuft.
Soll sie abgebrochen und das Programm beendet werden?</source>
        <translation>A data transfer is running.
Cancel it and close the program?</translation>
    </message>
    <message>
        <source>Der Verlauf ist nicht verfügbar: die Verlaufsdatenbank ist nicht geöffnet.</source>
        <translation>The history is not available: the history database is not open.</translation>
    </message>
    <message>
        <source>Ereignis %1</source>
        <translation>Event %1</translation>
    </message>
</context>
<context>
    <name>CMeasurementCommands</name>
    <message>
        <source>Womit soll der Transmitter justiert werden?</source>
        <translation>How do you want to adjust the transmitter?</translation>
    </message>
    <message>
        <source>Konfiguration...</source>
        <translation>Configuration...</translation>
    </message>
    <message>
        <source>Abgleich-Wizzard...</source>
        <translation>Calibration Wizard...</translation>
    </message>
</context>
<context>
    <name>CMessung</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Transmitter ...</source>
        <translation>Connecting transmitter ...</translation>
    </message>
    <message>
        <source>Lese aktuellen Messwert ...</source>
        <translation>Reading current measured value ...</translation>
    </message>
    <message>
        <source>Lese aktuelle Temperatur ...</source>
        <translation>Reading current temperature ...</translation>
    </message>
    <message>
        <source>Kann Datei nicht öffnen!</source>
        <translation>Cannot open file!</translation>
    </message>
    <message>
        <source>Eine andere Übertragung zum Transmitter läuft noch.</source>
        <translation>Another transfer to the transmitter is still running.</translation>
    </message>
    <message>
        <source>Der Transmitter antwortet nicht.</source>
        <translation>The transmitter does not answer.</translation>
    </message>
    <message>
        <source>Die Antwort des Transmitters ist unvollständig.</source>
        <translation>The transmitter's reply is incomplete.</translation>
    </message>
</context>
<context>
    <name>CNumberField</name>
    <message>
        <source>Geben Sie eine Zahl ein.</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl zwischen %1 und %2 ein.</source>
        <translation>Enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</source>
        <translation>Enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Geben Sie nicht mehr als %1 Zeichen ein.</source>
        <translation>Enter no more than %1 characters.</translation>
    </message>
</context>
<context>
    <name>CPCInterface</name>
    <message>
        <source>PC-Interface</source>
        <translation>PC interface</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
</context>
<context>
    <name>CPCInterfaceRules</name>
    <message>
        <source>PL40 (bis 2005)</source>
        <translation>PL40 (up to 2005)</translation>
    </message>
    <message>
        <source>PL45 (ab 2006)</source>
        <translation>PL45 (from 2006)</translation>
    </message>
</context>
<context>
    <name>CParameterPruefung</name>
    <message>
        <source>Transmitter-Typ</source>
        <translation>Transmitter type</translation>
    </message>
    <message>
        <source>Grundmessbereich Anfang</source>
        <translation>Base range start</translation>
    </message>
    <message>
        <source>Grundmessbereich Ende</source>
        <translation>Base range end</translation>
    </message>
    <message>
        <source>4mA Signal bei</source>
        <translation>4mA signal at</translation>
    </message>
    <message>
        <source>20mA Signal bei</source>
        <translation>20mA signal at</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Dämpfung Temp.</source>
        <translation>Temp. damping</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span correction</translation>
    </message>
    <message>
        <source>Stromgrenze Min</source>
        <translation>Current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze Max</source>
        <translation>Current limit max</translation>
    </message>
    <message>
        <source>Transmitterfehler Strom</source>
        <translation>Transmitter fault current</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Nullpunktsfenster</source>
        <translation>Zero window</translation>
    </message>
    <message>
        <source>Tastensperre</source>
        <translation>Key lock</translation>
    </message>
    <message>
        <source>Dezimalstellen</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <translation>Display unit</translation>
    </message>
    <message>
        <source>Stützpunkte</source>
        <translation>Support points</translation>
    </message>
    <message>
        <source>kein gültiger Zahlenwert</source>
        <translation>not a valid number</translation>
    </message>
    <message>
        <source>der Wert ist für die Übertragung zu groß</source>
        <translation>the value is too large to be transferred</translation>
    </message>
    <message>
        <source>%1 ist kein bekannter Typ</source>
        <translation>%1 is not a known type</translation>
    </message>
    <message>
        <source>Linearisierung Punkt %1</source>
        <translation>Linearization point %1</translation>
    </message>
    <message>
        <source>%1 kann nicht übertragen werden</source>
        <translation>%1 cannot be transferred</translation>
    </message>
    <message>
        <source>der Transmitter hält höchstens 20 Zeichen</source>
        <translation>the transmitter holds at most 20 characters</translation>
    </message>
    <message>
        <source>Anfang und Ende sind gleich</source>
        <translation>start and end are equal</translation>
    </message>
    <message>
        <source>%1 ist keine bekannte Einheit</source>
        <translation>%1 is not a known unit</translation>
    </message>
    <message>
        <source>4mA- und 20mA-Wert sind gleich</source>
        <translation>the 4mA and 20mA values are equal</translation>
    </message>
    <message>
        <source>Der Parametersatz kann nicht gesendet werden:
%1</source>
        <translation>The parameter set cannot be sent:
%1</translation>
    </message>
    <message>
        <source>Der Parametersatz enthält Werte außerhalb der Eingabegrenzen:
%1

Trotzdem senden?</source>
        <translation>The parameter set holds values outside the input limits:
%1

Send anyway?</translation>
    </message>
    <message>
        <source>Der Anzeigebereich passt nicht in 16 Bit</source>
        <translation>The display range does not fit into 16 bits</translation>
    </message>
    <message>
        <source>ein Steuerzeichen kann der Transmitter nicht speichern</source>
        <translation>the transmitter cannot store a control character</translation>
    </message>
</context>
<context>
    <name>CParameterTransfer</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Transmitter ...</source>
        <translation>Connecting transmitter ...</translation>
    </message>
    <message>
        <source>Lese Kennung ...</source>
        <translation>Reading identification ...</translation>
    </message>
    <message>
        <source>Lese Display-Info ...</source>
        <translation>Reading display info ...</translation>
    </message>
    <message>
        <source>Lese Grundmessbereich Anfang ...</source>
        <translation>Reading base range start ...</translation>
    </message>
    <message>
        <source>Lese Grundmessbereich Ende ...</source>
        <translation>Reading base range end ...</translation>
    </message>
    <message>
        <source>Lese Linearitätskorrektur ...</source>
        <translation>Reading linearity correction ...</translation>
    </message>
    <message>
        <source>Schreibe Messbereichsanfang ...</source>
        <translation>Writing range start ...</translation>
    </message>
    <message>
        <source>Schreibe Daten...</source>
        <translation>Writing data...</translation>
    </message>
    <message>
        <source>Lese Seriennummer ...</source>
        <translation>Reading serial number ...</translation>
    </message>
    <message>
        <source>Lese Messbereich Anfang ...</source>
        <translation>Reading range start ...</translation>
    </message>
    <message>
        <source>Lese Messbereich Ende ...</source>
        <translation>Reading range end ...</translation>
    </message>
    <message>
        <source>Lese Offsetkorrektur ...</source>
        <translation>Reading offset correction ...</translation>
    </message>
    <message>
        <source>Lese Spannekorrektur ...</source>
        <translation>Reading span correction ...</translation>
    </message>
    <message>
        <source>Lese Dämpfung ...</source>
        <translation>Reading damping ...</translation>
    </message>
    <message>
        <source>Lese Bezeichnung ...</source>
        <translation>Reading tag ...</translation>
    </message>
    <message>
        <source>Lese Stromgrenze Min. ...</source>
        <translation>Reading current limit min. ...</translation>
    </message>
    <message>
        <source>Lese Stromgrenze Max ....</source>
        <translation>Reading current limit max ....</translation>
    </message>
    <message>
        <source>Lese Fehlersignal-Strom ...</source>
        <translation>Reading fault signal current ...</translation>
    </message>
    <message>
        <source>Lese Temperatur-Dämpfung...</source>
        <translation>Reading temperature damping...</translation>
    </message>
    <message>
        <source>Lese Tastatur-Timeout...</source>
        <translation>Reading keyboard time-out...</translation>
    </message>
    <message>
        <source>Lese Nullpunktsunterdrückung...</source>
        <translation>Reading zero suppression...</translation>
    </message>
    <message>
        <source>Schreibe Messbereichsende ...</source>
        <translation>Writing range end ...</translation>
    </message>
    <message>
        <source>Schreibe Dämpfung ...</source>
        <translation>Writing damping ...</translation>
    </message>
    <message>
        <source>Schreibe Bezeichnung ...</source>
        <translation>Writing tag ...</translation>
    </message>
    <message>
        <source>Schreibe Stromgrenze Min ...</source>
        <translation>Writing current limit min ...</translation>
    </message>
    <message>
        <source>Schreibe Stromgrenze Max ...</source>
        <translation>Writing current limit max ...</translation>
    </message>
    <message>
        <source>Schreibe Fehlersignal-Strom ...</source>
        <translation>Writing fault signal current ...</translation>
    </message>
    <message>
        <source>Schreibe Linearitätskorrektur ...</source>
        <translation>Writing linearity correction ...</translation>
    </message>
    <message>
        <source>Empfangsfehler!</source>
        <translation>Receive error!</translation>
    </message>
    <message>
        <source>Diese Vorgang überschreibt
die Transmitter-Parametrierung!

Sind Sie sicher, dass sie die 
Parametrierung ändern wollen?</source>
        <translation>This operation overwrites
the transmitter parametrization!

Are you sure you want to change the 
parametrization?</translation>
    </message>
    <message>
        <source>Parameter senden</source>
        <translation>Send parameters</translation>
    </message>
    <message>
        <source>Messbereich im Transmitter unterscheidet sich
vom eingestellten Bereich!.</source>
        <translation>The range in the transmitter differs
from the range set here!</translation>
    </message>
    <message>
        <source>Sendefehler!</source>
        <translation>Send error!</translation>
    </message>
</context>
<context>
    <name>CParameterVergleich</name>
    <message>
        <source>Kennung</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Dezimalstellen</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Grundmessbereich Anfang</source>
        <translation>Base range start</translation>
    </message>
    <message>
        <source>Grundmessbereich Ende</source>
        <translation>Base range end</translation>
    </message>
    <message>
        <source>Messbereich Anfang</source>
        <translation>Range start</translation>
    </message>
    <message>
        <source>Messbereich Ende</source>
        <translation>Range end</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span correction</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Temperatur-Dämpfung</source>
        <translation>Temperature damping</translation>
    </message>
    <message>
        <source>Tastatursperre</source>
        <translation>Keyboard lock</translation>
    </message>
    <message>
        <source>Nullpunktsfenster</source>
        <translation>Zero window</translation>
    </message>
    <message>
        <source>Stromgrenze Min</source>
        <translation>Current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze Max</source>
        <translation>Current limit max</translation>
    </message>
    <message>
        <source>Fehlersignal-Strom</source>
        <translation>Fault signal current</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <translation>Display unit</translation>
    </message>
    <message>
        <source>Freier Bereich Dezimalstellen</source>
        <translation>Free range decimals</translation>
    </message>
    <message>
        <source>Freier Bereich Anfang</source>
        <translation>Free range start</translation>
    </message>
    <message>
        <source>Freier Bereich Ende</source>
        <translation>Free range end</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Linearisierung Punkte</source>
        <translation>Linearization points</translation>
    </message>
    <message>
        <source>Linearisierung Punkt %1 Druck</source>
        <translation>Linearization point %1 pressure</translation>
    </message>
    <message>
        <source>Linearisierung Punkt %1 Strom</source>
        <translation>Linearization point %1 current</translation>
    </message>
</context>
<context>
    <name>CPasswort</name>
    <message>
        <source>Passworteingabe</source>
        <translation>Password entry</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
</context>
<context>
    <name>CProgramErrorReport</name>
    <message>
        <source>Ungültiges Argument.</source>
        <translation>Invalid argument.</translation>
    </message>
</context>
<context>
    <name>CProgramPassword</name>
    <message>
        <source>Das Passwort ist nicht korrekt!</source>
        <translation>The password is not correct!</translation>
    </message>
    <message>
        <source>Die Passwörter sind nicht korrekt!</source>
        <translation>The passwords are not correct!</translation>
    </message>
    <message>
        <source>Ungültige Zeichen im Passwort!</source>
        <translation>Invalid characters in the password!</translation>
    </message>
    <message>
        <source>Das Passwort wurde geändert!</source>
        <translation>The password has been changed!</translation>
    </message>
</context>
<context>
    <name>CProgress</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data Transfer</translation>
    </message>
</context>
<context>
    <name>CPropFinish</name>
    <message>
        <source>Abgleich beendet</source>
        <translation>Calibration finished</translation>
    </message>
    <message>
        <source>Der Abgleich ist beendet.</source>
        <translation>The calibration is finished.</translation>
    </message>
    <message>
        <source>Weiter : Einen neuen Transmitter abgleichen</source>
        <translation>Next : calibrate another transmitter</translation>
    </message>
    <message>
        <source>Abbrechen: Abgleich beenden</source>
        <translation>Cancel: end the calibration</translation>
    </message>
</context>
<context>
    <name>CPropPageADC</name>
    <message>
        <source>ADC-Abgleich</source>
        <translation>ADC calibration</translation>
    </message>
    <message>
        <source>setzen</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Verstärkung</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Abgleichpunkte</source>
        <translation>Calibration points</translation>
    </message>
    <message>
        <source>auslesen</source>
        <translation>read</translation>
    </message>
    <message>
        <source>T-ADC</source>
        <translation>T-ADC</translation>
    </message>
    <message>
        <source>ADC-Wertebereich: 15000 - 50000 (ggf. Verstärk. anpassen)</source>
        <translation>ADC value range: 15000 - 50000 (adjust the gain if needed)</translation>
    </message>
    <message>
        <source>Abgleichpunkt %1</source>
        <translation>Calibration point %1</translation>
    </message>
</context>
<context>
    <name>CPropPageDAC</name>
    <message>
        <source>DAC-Abgleich</source>
        <translation>DAC calibration</translation>
    </message>
    <message>
        <source>Abgleichpunkte</source>
        <translation>Calibration points</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Ausg. setzen</source>
        <translation>Set output</translation>
    </message>
    <message>
        <source>Standardwerte</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Ausgang freigeben</source>
        <translation>Release output</translation>
    </message>
</context>
<context>
    <name>CPropPageMessbereich</name>
    <message>
        <source>Abgleich vom Analogausgang überspringen</source>
        <translation>Skip the calibration of the analog output</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Abgleichsbereich</source>
        <translation>Calibration range</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Kommaposition</source>
        <translation>Decimal position</translation>
    </message>
    <message>
        <source>Ausgangsbereich</source>
        <translation>Output range</translation>
    </message>
    <message>
        <source>0-10V</source>
        <translation>0-10V</translation>
    </message>
    <message>
        <source>0-5V</source>
        <translation>0-5V</translation>
    </message>
    <message>
        <source>0-20mA</source>
        <translation>0-20mA</translation>
    </message>
    <message>
        <source>4-.20mA</source>
        <translation>4-.20mA</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>end</translation>
    </message>
</context>
<context>
    <name>CPropPageOptionen</name>
    <message>
        <source>Zusätzliche Optionen</source>
        <translation>Additional options</translation>
    </message>
    <message>
        <source>steigend</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>fallend</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>Kennlinie:</source>
        <translation>Characteristic:</translation>
    </message>
    <message>
        <source>Dämpfung *):</source>
        <translation>Damping *):</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Nullpunktsfenster *):</source>
        <translation>Zero window *):</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>Ausg. Min *):</source>
        <translation>Output min *):</translation>
    </message>
    <message>
        <source>Ausg. Max *):</source>
        <translation>Output max *):</translation>
    </message>
    <message>
        <source>Fehlersignal *):</source>
        <translation>Fault signal *):</translation>
    </message>
    <message>
        <source>Seriennummer:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Werks Offset- / Spannekorrektur</source>
        <translation>Factory offset / span correction</translation>
    </message>
    <message>
        <source>Offsetkorrektur:</source>
        <translation>Offset correction:</translation>
    </message>
    <message>
        <source>Spannekorrektur:</source>
        <translation>Span correction:</translation>
    </message>
    <message>
        <source>%FS</source>
        <translation>%FS</translation>
    </message>
    <message>
        <source>Messwert:</source>
        <translation>Measured value:</translation>
    </message>
    <message>
        <source>Offset u. Spanne senden</source>
        <translation>Send offset and span</translation>
    </message>
    <message>
        <source>*) Die Werte werden erst nach einem PowerOn-Reset wirksam!</source>
        <translation>*) The values take effect only after a power-on reset!</translation>
    </message>
</context>
<context>
    <name>CPropPageWelcome</name>
    <message>
        <source>Neuabgleich</source>
        <translation>New calibration</translation>
    </message>
    <message>
        <source>Nachabgleich</source>
        <translation>Recalibration</translation>
    </message>
    <message>
        <source>nur Optionen (Offset Spanne, Kennlinie, Dämpfung,...)</source>
        <translation>Options only (offset, span, characteristic, damping,...)</translation>
    </message>
    <message>
        <source>Analogabgleich</source>
        <translation>Analog Calibration</translation>
    </message>
    <message>
        <source>Analogabgleich RX26, RX30, KA28</source>
        <translation>Analog calibration RX26, RX30, KA28</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
</context>
<context>
    <name>CQuillonView</name>
    <message>
        <source>Grundmessbereich</source>
        <translation>Base Range</translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Signalumformung</source>
        <translation>Signal Conversion</translation>
    </message>
    <message>
        <source>4mA Signal bei</source>
        <translation>4mA signal at</translation>
    </message>
    <message>
        <source>20mA Signal bei</source>
        <translation>20mA signal at</translation>
    </message>
    <message>
        <source>Kennlinie:</source>
        <translation>Characteristic:</translation>
    </message>
    <message>
        <source>Dämpfung Druck:</source>
        <translation>Pressure damping:</translation>
    </message>
    <message>
        <source>Sek.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Dämpfung Temp.:</source>
        <translation>Temp. damping:</translation>
    </message>
    <message>
        <source>Linearitätskorrektur</source>
        <translation>Linearity correction</translation>
    </message>
    <message>
        <source>Stromgrenzen</source>
        <translation>Current Limits</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Fehlerstrom</source>
        <translation>Fault current</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Kennung:</source>
        <translation>Identification:</translation>
    </message>
    <message>
        <source>Serien-Nr.:</source>
        <translation>Serial No.:</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Analogabgleich</source>
        <translation>Analog Calibration</translation>
    </message>
    <message>
        <source>Begrenzung Ausgang</source>
        <translation>Output Limits</translation>
    </message>
    <message>
        <source>Fehlersignal:</source>
        <translation>Fault signal:</translation>
    </message>
</context>
<context>
    <name>CRX93Commands</name>
    <message>
        <source>Connecting Hardware...</source>
        <translation>Connecting Hardware...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Index: %1</source>
        <translation>Index: %1</translation>
    </message>
    <message>
        <source>Wert: %1</source>
        <translation>Value: %1</translation>
    </message>
    <message>
        <source>Enable Abgleich</source>
        <translation>Enable Abgleich</translation>
    </message>
    <message>
        <source>Set AbglData</source>
        <translation>Set AbglData</translation>
    </message>
</context>
<context>
    <name>CRangePreset</name>
    <message>
        <source>0 ... 400mbar...</source>
        <translation>0 ... 400mbar...</translation>
    </message>
    <message>
        <source>0 ... 1 bar...</source>
        <translation>0 ... 1 bar...</translation>
    </message>
    <message>
        <source>0 ... 1,6 bar...</source>
        <translation>0 ... 1.6 bar...</translation>
    </message>
    <message>
        <source>0 ... 2,5 bar...</source>
        <translation>0 ... 2.5 bar...</translation>
    </message>
    <message>
        <source>0 ... 4 bar...</source>
        <translation>0 ... 4 bar...</translation>
    </message>
    <message>
        <source>0 ... 6 bar...</source>
        <translation>0 ... 6 bar...</translation>
    </message>
    <message>
        <source>0 ... 10 bar...</source>
        <translation>0 ... 10 bar...</translation>
    </message>
    <message>
        <source>0 ... 16 bar...</source>
        <translation>0 ... 16 bar...</translation>
    </message>
    <message>
        <source>0 ... 25 bar...</source>
        <translation>0 ... 25 bar...</translation>
    </message>
    <message>
        <source>0 ... 40 bar...</source>
        <translation>0 ... 40 bar...</translation>
    </message>
    <message>
        <source>-1 ... 0 bar...</source>
        <translation>-1 ... 0 bar...</translation>
    </message>
    <message>
        <source>-1 ... 0,6 bar...</source>
        <translation>-1 ... 0.6 bar...</translation>
    </message>
    <message>
        <source>-1 ... 1,5 bar...</source>
        <translation>-1 ... 1.5 bar...</translation>
    </message>
    <message>
        <source>-1 ... 3 bar...</source>
        <translation>-1 ... 3 bar...</translation>
    </message>
    <message>
        <source>-1 ... 5 bar...</source>
        <translation>-1 ... 5 bar...</translation>
    </message>
    <message>
        <source>-1 ... 9 bar...</source>
        <translation>-1 ... 9 bar...</translation>
    </message>
    <message>
        <source>-1 ... 15 bar...</source>
        <translation>-1 ... 15 bar...</translation>
    </message>
</context>
<context>
    <name>CRecordReadBack</name>
    <message>
        <source>%1: gesendet %2, im Transmitter %3</source>
        <translation>%1: sent %2, in the transmitter %3</translation>
    </message>
    <message>
        <source>Nicht geprüft: die Abgleichdaten konnten nicht zurückgelesen werden.
Welche Abgleichdaten der Transmitter enthält, ist unbekannt.</source>
        <translation>Not verified: the calibration data could not be read back.
Which calibration data the transmitter holds is unknown.</translation>
    </message>
    <message>
        <source>Das Schreiben meldete einen Fehler, der Transmitter enthält aber die vollständigen neuen Abgleichdaten.</source>
        <translation>The write reported an error, but the transmitter holds the complete new calibration data.</translation>
    </message>
    <message>
        <source>Das Schreiben ist fehlgeschlagen: der Transmitter enthält unverändert die alten Abgleichdaten.</source>
        <translation>The write failed: the transmitter still holds the old calibration data.</translation>
    </message>
    <message>
        <source>Das Schreiben ist fehlgeschlagen: der Transmitter enthält teils neue, teils alte Abgleichdaten.
Nicht übernommen:
%1</source>
        <translation>The write failed: the transmitter holds partly new, partly old calibration data.
Not taken over:
%1</translation>
    </message>
    <message>
        <source>Das Schreiben ist fehlgeschlagen: der Transmitter enthält nicht die neuen Abgleichdaten.
Abweichend vom Gesendeten:
%1</source>
        <translation>The write failed: the transmitter does not hold the new calibration data.
Different from what was sent:
%1</translation>
    </message>
</context>
<context>
    <name>CReleaseEntry</name>
    <message>
        <source>Die Passwörter sind nicht korrekt!</source>
        <translation>The passwords are not correct!</translation>
    </message>
    <message>
        <source>Das Passwort muß mindestens 3 Zeichen lang sein.</source>
        <translation>The password must be at least 3 characters long.</translation>
    </message>
    <message>
        <source>Das Passwort darf höchstens 255 Zeichen lang sein.</source>
        <translation>The password may be at most 255 characters long.</translation>
    </message>
    <message>
        <source>Ungültige Zeichen im Passwort!</source>
        <translation>Invalid characters in the password!</translation>
    </message>
    <message>
        <source>Das Passwort wurde geändert!</source>
        <translation>The password has been changed!</translation>
    </message>
    <message>
        <source>Passwort-Fehler</source>
        <translation>Password error</translation>
    </message>
    <message>
        <source>Das Freigabe-Passwort konnte nicht gespeichert werden:
%1

Prüfen Sie, ob das Verzeichnis beschreibbar ist.</source>
        <translation>The release password could not be saved:
%1

Check that the directory is writable.</translation>
    </message>
</context>
<context>
    <name>CRemoteParametrization</name>
    <message>
        <source>Sendefehler!</source>
        <translation>Send error!</translation>
    </message>
    <message>
        <source>Die Fernparametrierung wurde freigegeben.</source>
        <translation>Remote parametrization has been released.</translation>
    </message>
    <message>
        <source>Die Fernparametrierung wurde gesperrt.</source>
        <translation>Remote parametrization has been locked.</translation>
    </message>
</context>
<context>
    <name>CSendePruefung</name>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>%1 (%2): gesendet %3, im Transmitter %4</source>
        <translation>%1 (%2): sent %3, in the transmitter %4</translation>
    </message>
    <message>
        <source>Geprüft: der Transmitter enthält die gesendeten Werte.</source>
        <translation>Verified: the transmitter holds the values sent.</translation>
    </message>
    <message>
        <source>Prüfung nach dem Senden: der Transmitter enthält andere Werte als gesendet:
%1
Der Transmitter arbeitet mit den zurückgelesenen Werten.</source>
        <translation>Check after sending: the transmitter holds other values than sent:
%1
The transmitter works with the values read back.</translation>
    </message>
    <message>
        <source>Nicht geprüft: die Parameter konnten nicht zurückgelesen werden.
Welche Werte der Transmitter enthält, ist unbekannt.</source>
        <translation>Not verified: the parameters could not be read back.
Which values the transmitter holds is unknown.</translation>
    </message>
    <message>
        <source>Das Senden meldete einen Fehler, der Transmitter enthält aber den vollständigen neuen Parametersatz.</source>
        <translation>Sending reported an error, but the transmitter holds the complete new parameter set.</translation>
    </message>
    <message>
        <source>Das Senden ist fehlgeschlagen: der Transmitter enthält unverändert den alten Parametersatz.</source>
        <translation>Sending failed: the transmitter still holds the old parameter set, unchanged.</translation>
    </message>
    <message>
        <source>Das Senden ist fehlgeschlagen: der Transmitter enthält teils neue, teils alte Werte.
Nicht übernommen:
%1</source>
        <translation>Sending failed: the transmitter holds partly new, partly old values.
Not taken over:
%1</translation>
    </message>
    <message>
        <source>Das Senden ist fehlgeschlagen: der Transmitter enthält nicht den neuen Parametersatz.
Abweichend vom Gesendeten:
%1</source>
        <translation>Sending failed: the transmitter does not hold the new parameter set.
Different from what was sent:
%1</translation>
    </message>
    <message>
        <source>Parameter senden</source>
        <translation>Send parameters</translation>
    </message>
</context>
<context>
    <name>CSerienVorgabe</name>
    <message>
        <source>--set %1: unbekanntes Feld. Möglich sind: %2</source>
        <translation>--set %1: unknown field. Possible are: %2</translation>
    </message>
    <message>
        <source>--set %1: "%2" ist keine Zahl.</source>
        <translation>--set %1: "%2" is not a number.</translation>
    </message>
    <message>
        <source>--set %1: der Messbereich dieses Parametersatzes lässt sich nur im Dialog ändern.</source>
        <translation>--set %1: the range of this parameter set can only be changed in the dialog.</translation>
    </message>
    <message>
        <source>--set %1: diesen Wert hat der Transmittertyp nicht.</source>
        <translation>--set %1: the transmitter type has no such value.</translation>
    </message>
    <message>
        <source>--set %1: %2</source>
        <translation>--set %1: %2</translation>
    </message>
</context>
<context>
    <name>CSeriennummer</name>
    <message>
        <source>Seriennummer ändern</source>
        <translation>Change serial number</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbr.</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSeriennummerRules</name>
    <message>
        <source>Geben Sie %1 Zeichen ein.</source>
        <translation>Enter %1 characters.</translation>
    </message>
    <message>
        <source>Teil %1: %2</source>
        <translation>part %1: %2</translation>
    </message>
    <message>
        <source>die Form ist %1</source>
        <translation>the form is %1</translation>
    </message>
    <message>
        <source>Seriennummer, Teil %1: %2</source>
        <translation>Serial number, part %1: %2</translation>
    </message>
</context>
<context>
    <name>CServiceTransfer</name>
    <message>
        <source>Kann DAC nicht setzen!</source>
        <translation>Cannot set DAC!</translation>
    </message>
    <message>
        <source>Kann Verstärkung nicht setzen!</source>
        <translation>Cannot set gain!</translation>
    </message>
    <message>
        <source>Kann ADC-Wert nicht auslesen!</source>
        <translation>Cannot read ADC value!</translation>
    </message>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Transmitter ...</source>
        <translation>Connecting transmitter ...</translation>
    </message>
    <message>
        <source>Empfangsfehler!</source>
        <translation>Receive error!</translation>
    </message>
    <message>
        <source>Fehler beim Abfragen
der ADC-Werte!</source>
        <translation>Error while reading
the ADC values!</translation>
    </message>
    <message>
        <source>Aktuelle ADC-Werte</source>
        <translation>Current ADC values</translation>
    </message>
    <message>
        <source>Fehler beim Übertragen
der Seriennummer!</source>
        <translation>Error while transferring
the serial number!</translation>
    </message>
    <message>
        <source>ADC-Werte:</source>
        <translation>ADC values:</translation>
    </message>
    <message>
        <source>ADC-Temperatur:</source>
        <translation>ADC temperature:</translation>
    </message>
</context>
<context>
    <name>CSheetPdfWriter</name>
    <message>
        <source>Die PDF-Ausgabe lässt sich nicht beginnen.</source>
        <translation>The PDF output cannot be started.</translation>
    </message>
    <message>
        <source>Die PDF-Datei kann nicht als %1 gespeichert werden: %2</source>
        <translation>The PDF file cannot be saved as %1: %2</translation>
    </message>
    <message>
        <source>Konfigurationsdaten</source>
        <translation>Configuration data</translation>
    </message>
    <message>
        <source>Das Konfigurationsblatt kann nicht als %1 gespeichert werden: %2</source>
        <translation>The configuration sheet cannot be saved as %1: %2</translation>
    </message>
</context>
<context>
    <name>CSheetPrinter</name>
    <message>
        <source>"%1" kann nicht gedruckt werden: Der Drucker "%2" lässt sich nicht ansprechen.</source>
        <translation>"%1" cannot be printed: the printer "%2" cannot be reached.</translation>
    </message>
    <message>
        <source>Konfigurationsdaten</source>
        <translation>Configuration data</translation>
    </message>
    <message>
        <source>(kein Drucker eingerichtet)</source>
        <translation>(no printer set up)</translation>
    </message>
    <message>
        <source>Das Konfigurationsblatt kann nicht gedruckt werden: Der Drucker "%1" lässt sich nicht ansprechen.</source>
        <translation>The configuration sheet cannot be printed: the printer "%1" does not respond.</translation>
    </message>
</context>
<context>
    <name>CSprache</name>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Landessprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSpracheRules</name>
    <message>
        <source>Bitte wählen Sie eine Sprache.</source>
        <translation>Please choose a language.</translation>
    </message>
    <message>
        <source>Die Einstellung wird erst nach Neustart
des Programms wirksam.</source>
        <translation>The setting takes effect
when the program is started again.</translation>
    </message>
    <message>
        <source>Sprachwahl</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>CTempAbgleich</name>
    <message>
        <source>Geben Sie eine Zahl zwischen %1 und %2 ein.</source>
        <translation>Enter a number between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>CTempAbgleichDialog</name>
    <message>
        <source>I-Min (4mA)</source>
        <translation>I-Min (4mA)</translation>
    </message>
    <message>
        <source>I-Max 20mA</source>
        <translation>I-Max 20mA</translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>Temperaturabgleichdaten</source>
        <translation>Temperature calibration data</translation>
    </message>
    <message>
        <source>Checksumme</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Bitte eine ganze Zahl eingeben.</source>
        <translation>Please enter an integer.</translation>
    </message>
</context>
<context>
    <name>CTempAbgleichTransfer</name>
    <message>
        <source>Datentransfer</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Verbinde Hardware...</source>
        <translation>Connecting hardware...</translation>
    </message>
    <message>
        <source>Abgleich freigeben...</source>
        <translation>Releasing calibration...</translation>
    </message>
    <message>
        <source>Lese Temperaturabgleich...</source>
        <translation>Reading temperature calibration...</translation>
    </message>
    <message>
        <source>Empfangsfehler!</source>
        <translation>Receive error!</translation>
    </message>
    <message>
        <source>Die Referenzwörter des Transmitters sind ungültig (r0 = r1 oder r2 = r3): die Temperaturkompensation kann nicht berechnet werden.
Nichts wurde geschrieben.</source>
        <translation>The transmitter's reference words are invalid (r0 = r1 or r2 = r3): the temperature compensation cannot be computed.
Nothing was written.</translation>
    </message>
    <message>
        <source>Lese Daten...</source>
        <translation>Reading data...</translation>
    </message>
    <message>
        <source>Schreibe Temperaturabgleich...</source>
        <translation>Writing temperature calibration...</translation>
    </message>
    <message>
        <source>Falsche Checksumme!</source>
        <translation>Wrong checksum!</translation>
    </message>
    <message>
        <source>Sendefehler!
Der Temperaturabgleich ist nicht vollständig geschrieben.</source>
        <translation>Send error!
The temperature calibration is not completely written.</translation>
    </message>
</context>
<context>
    <name>CTestMenu</name>
    <message>
        <source>Gerätekennung</source>
        <translation>Device identification</translation>
    </message>
    <message>
        <source>Messwert</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>ADC-Wert</source>
        <translation>ADC value</translation>
    </message>
    <message>
        <source>Mediumstemperatur</source>
        <translation>Medium temperature</translation>
    </message>
    <message>
        <source>Messbereichsanfang</source>
        <translation>Range start</translation>
    </message>
    <message>
        <source>Messbereichsende</source>
        <translation>Range end</translation>
    </message>
    <message>
        <source>Offsetkorrektur</source>
        <translation>Offset correction</translation>
    </message>
    <message>
        <source>Spannekorrektur</source>
        <translation>Span correction</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Messstelle</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Grundmessbreich Anfang</source>
        <translation>Base range start</translation>
    </message>
    <message>
        <source>Grundmessbereich Ende</source>
        <translation>Base range end</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Messstellenbezeichung</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Ausgang lesen</source>
        <translation>Read output</translation>
    </message>
    <message>
        <source>Parametrierung sperren</source>
        <translation>Lock parametrization</translation>
    </message>
    <message>
        <source>Parametrierung freigeben</source>
        <translation>Release parametrization</translation>
    </message>
    <message>
        <source>Fehlersignal lesen</source>
        <translation>Read fault signal</translation>
    </message>
    <message>
        <source>Stromgrenze min lesen</source>
        <translation>Read current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze max lesen</source>
        <translation>Read current limit max</translation>
    </message>
    <message>
        <source>Fehlersignal ändern</source>
        <translation>Change fault signal</translation>
    </message>
    <message>
        <source>Stromgrenze min änderen</source>
        <translation>Change current limit min</translation>
    </message>
    <message>
        <source>Stromgrenze max ändern</source>
        <translation>Change current limit max</translation>
    </message>
    <message>
        <source>Die Eingabe ist zu lang: höchstens %1 Zeichen.</source>
        <translation>The entry is too long: at most %1 characters.</translation>
    </message>
    <message>
        <source>Die Eingabe enthält Zeichen, die der Transmitter nicht kennt.</source>
        <translation>The entry holds characters the transmitter does not know.</translation>
    </message>
</context>
<context>
    <name>CTraceFormat</name>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Befehl</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Daten hex</source>
        <translation>Data hex</translation>
    </message>
    <message>
        <source>Daten Text</source>
        <translation>Data text</translation>
    </message>
    <message>
        <source>Prüfsumme</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>(verborgen)</source>
        <translation>(hidden)</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>falsch</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>Antwort verworfen</source>
        <translation>reply dropped</translation>
    </message>
    <message>
        <source>Antwort verworfen: kein ETX</source>
        <translation>reply dropped: no ETX</translation>
    </message>
    <message>
        <source>Antwort verworfen: Längenbyte ungültig</source>
        <translation>reply dropped: invalid length byte</translation>
    </message>
    <message>
        <source>Zeitüberschreitung: keine Antwort</source>
        <translation>time-out: no reply</translation>
    </message>
    <message>
        <source>Warten abgebrochen</source>
        <translation>wait cancelled</translation>
    </message>
    <message>
        <source>Wiederholung nach Versuch %1</source>
        <translation>repeated after attempt %1</translation>
    </message>
    <message>
        <source>Echo der Anfrage verworfen</source>
        <translation>echo of the request dropped</translation>
    </message>
    <message>
        <source>Verspätete Antwort auf eine frühere Anfrage verworfen</source>
        <translation>late reply to an earlier request dropped</translation>
    </message>
    <message>
        <source>Antwort passt nicht zur Anfrage: veraltete Antwort verworfen</source>
        <translation>reply does not fit the request: stale reply dropped</translation>
    </message>
    <message>
        <source>Verbindungsprotokoll</source>
        <translation>link trace</translation>
    </message>
    <message>
        <source>Programmversion</source>
        <translation>program version</translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation>saved</translation>
    </message>
    <message>
        <source>Einträge</source>
        <translation>entries</translation>
    </message>
</context>
<context>
    <name>CTransmitterSio</name>
    <message>
        <source>COM-Port kann nicht geöffnet werden</source>
        <translation>COM port cannot be opened</translation>
    </message>
</context>
<context>
    <name>CTypKatalog</name>
    <message>
        <source>RX89 bis V. 2.2</source>
        <translation>RX89 up to V. 2.2</translation>
    </message>
    <message>
        <source>RX89 ab V. 2.3</source>
        <translation>RX89 from V. 2.3</translation>
    </message>
    <message>
        <source>RX31</source>
        <translation>RX31</translation>
    </message>
    <message>
        <source>RX26 2-Leiter</source>
        <translation>RX26 2-wire</translation>
    </message>
    <message>
        <source>RX26 3-Leiter</source>
        <translation>RX26 3-wire</translation>
    </message>
    <message>
        <source>KA52 / KA53 2-Leiter</source>
        <translation>KA52 / KA53 2-wire</translation>
    </message>
    <message>
        <source>KA28 3-Leiter</source>
        <translation>KA28 3-wire</translation>
    </message>
    <message>
        <source>VN62 2-Leiter</source>
        <translation>VN62 2-wire</translation>
    </message>
    <message>
        <source>RX96 2-Leiter</source>
        <translation>RX96 2-wire</translation>
    </message>
    <message>
        <source>RX84 2-Leiter</source>
        <translation>RX84 2-wire</translation>
    </message>
    <message>
        <source>KA71 2-Leiter</source>
        <translation>KA71 2-wire</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>mbar</source>
        <translation>mbar</translation>
    </message>
    <message>
        <source>mmWS</source>
        <translation>mmH2O</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>    </source>
        <translation>    </translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>mBar</source>
        <translation>mBar</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>InWc</source>
        <translation>InWc</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>CVergleich</name>
    <message>
        <source>Wert des Transmitters übernehmen</source>
        <translation>Take the transmitter's value</translation>
    </message>
    <message>
        <source>Wert des Dokuments zurücksetzen</source>
        <translation>Put the document's value back</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Dokument</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Rot markierte Zeilen unterscheiden sich.</source>
        <translation>Rows marked red differ.</translation>
    </message>
</context>
<context>
    <name>CVergleichCommand</name>
    <message>
        <source>Der Transmitter ist ein %1, das Dokument gilt für %2.
Es wurde nichts verglichen.</source>
        <translation>The transmitter is a %1, the document is for %2.
Nothing was compared.</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
</context>
<context>
    <name>CVerlaufDatenbank</name>
    <message>
        <source>Dieser PC</source>
        <translation>This PC</translation>
    </message>
    <message>
        <source>Server der Anlage</source>
        <translation>The plant's server</translation>
    </message>
    <message>
        <source>Verlauf-Datenbank</source>
        <translation>History Database</translation>
    </message>
    <message>
        <source>Datei wählen</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Speicherort:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Serververbindung:</source>
        <translation>Server connection:</translation>
    </message>
    <message>
        <source>Stationsname:</source>
        <translation>Station name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Verbindung prüfen</source>
        <translation>Check connection</translation>
    </message>
    <message>
        <source>Verlaufsdatenbank (*.sqlite);;Alle Dateien (*)</source>
        <translation>History database (*.sqlite);;All files (*)</translation>
    </message>
    <message>
        <source>Der Verlauf kann an diesem Ort nicht geführt werden.</source>
        <translation>The history cannot be kept at this location.</translation>
    </message>
    <message>
        <source>Die Verlaufsdatenbank %1 kann benutzt werden.</source>
        <translation>The history database %1 can be used.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Server der Anlage steht. Auf diesem PC warten %1 Ereignisse auf ihn.</source>
        <translation>The plant's server is connected. %1 events on this PC are waiting for it.</translation>
    </message>
    <message>
        <source>Der Server der Anlage ist nicht erreichbar. Auf diesem PC warten %1 Ereignisse auf ihn.</source>
        <translation>The plant's server cannot be reached. %1 events on this PC are waiting for it.</translation>
    </message>
</context>
</TS>
