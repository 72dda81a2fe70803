#pragma once

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class CQuillonDoc;

/// Compares two parameter sets field by field, each value as the form shows it (its unit, its
/// decimals), for "Vergleichen...", `quillon-cli diff` and the read-back after a send.
///
/// Two values are the same when their shown texts are equal or when they lie within half a step of the
/// field's resolution: the finer of the shown decimals and the step the transmitter stores the field in.
/// A value the transmitter keeps with fewer decimals than the file therefore reads back as no
/// difference, while a real change of one shown digit is one.
///
/// Parameter sets of different transmitter types are not compared at all: their fields mean different
/// things (a KA71's range is counts, an RX26 has no set range), so the result only says so.
class CParameterVergleich {
    Q_DECLARE_TR_FUNCTIONS(CParameterVergleich)

public:
    /// Which fields take part.
    enum class Umfang {
        Alle,     ///< every field the type has, identification and serial number included
        Gesendet, ///< only what a send writes into a transmitter of this type (the read-back check)
    };

    struct Zeile {
        QString feld;   ///< the document's field name, e.g. "m_fDaempfung" or "m_fLinTabY[3]"
        QString label;  ///< the German name as the program shows it
        QString links;  ///< the first set's value as shown (empty: the field has no value there)
        QString rechts; ///< the second set's value as shown
        bool bVerschieden = false;
    };

    struct Ergebnis {
        bool bTypVerschieden = false;
        int nTypLinks = 0;
        int nTypRechts = 0;
        QList<Zeile> zeilen; ///< empty when the types differ

        bool Gleich() const;
        /// The field names of the differing rows, in table order.
        QStringList VerschiedeneFelder() const;
    };

    static Ergebnis Vergleiche(const CQuillonDoc& links, const CQuillonDoc& rechts, const QLocale& locale,
                               Umfang umfang = Umfang::Alle);

    /// Copies one field (a row's `feld`) from one document into another, as the compare window's
    /// take-over does; false for a name that is no field. A table point's row copies that point only;
    /// the table's count row copies the count.
    static bool Uebernehmen(const QString& feld, const CQuillonDoc& von, CQuillonDoc& nach);

    /// The names `Vergleiche` can report, without the table points (m_fLinTabX[i], m_fLinTabY[i]).
    static QStringList FeldNamen();
};
