#pragma once

#include "base/TypKatalog.h"
#include "document/Abgleichdaten.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

/// The fields of the calibration record by name, as the record dialogs and the command-line tool show
/// and take them: which fields a type has, how wide each is, and reading and writing an entry as text
/// or number. A dialog entry that is no number, or an integer beyond its field's word, is refused.
class CAbgleichFelder {
    Q_DECLARE_TR_FUNCTIONS(CAbgleichFelder)

public:
    using Form = CTypKatalog::AbgleichForm;

    enum class Kind {
        Word,     ///< 32-bit field holding one unsigned word (0..65535)
        Signed,   ///< 16-bit signed
        Unsigned, ///< 16-bit unsigned
        Float,    ///< 32-bit float
        Text,     ///< the 16-character serial text
    };

    struct Field {
        const char* name; ///< the record's field name, e.g. "m_nAdc"
        Kind kind;
        int count; ///< entries (1 for a single value)
    };

    /// The fields of the record of a type, in record order. The KA71 has no factory offset, span and
    /// calibration range; the VN62 has its second input and output; the third temperature reading needs
    /// the extended set (always there on the KA71, never on the VN62).
    static QList<Field> FieldsFor(int nTyp, bool bErweitert);
    static QList<Field> FieldsFor(Form form, bool bErweitert);
    /// Entries of m_nTemperaturAdc a record of the form has.
    static int TemperaturAdcCount(Form form, bool bErweitert);

    static double Number(const CAbgleichdaten& record, const char* name, int index);
    static void SetNumber(CAbgleichdaten& record, const char* name, int index, double value);
    /// A float entry's 32 bits as the transmitter keeps them (NaN payloads and -0.0 included).
    static quint32 FloatBits(const CAbgleichdaten& record, const char* name, int index);
    static void SetFloatBits(CAbgleichdaten& record, const char* name, int index, quint32 bits);
    /// The serial text with all 16 characters.
    static QString Text(const CAbgleichdaten& record);
    /// Takes up to 16 Latin-1 characters; blanks fill the rest.
    static void SetText(CAbgleichdaten& record, const QString& text);

    /// The value of an entry as a dialog shows it.
    static QString Display(const CAbgleichdaten& record, const Field& field, int index);
    /// Takes a dialog entry: an integer field an integer its word can hold, a float field any number.
    /// Nothing (and the message) otherwise.
    static std::optional<double> ParseEntry(const Field& field, const QString& text, QString& error);
    /// Whether a value fits the field's width exactly (no low-bits truncation), for scripted input. A
    /// float field takes every finite number that rounds to a finite float, FLT_MAX written as its
    /// shortest text (3.4028235e+38, a little above it) included.
    static bool InRange(const Field& field, double value);
};
