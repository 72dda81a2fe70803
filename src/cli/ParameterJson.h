#pragma once

#include <QJsonObject>

class CQuillonDoc;

/// The parameter set of a document as one JSON object whose keys are the document's field names
/// (m_nTyp, m_strKennung, m_fGrundAnfang, …; the linearization table as the arrays m_fLinTabX and
/// m_fLinTabY of all 30 values), so that other tools can read a parameter set.
///
/// Single-precision values are written with the shortest decimal text that reads back as the same
/// float (0.1, not 0.10000000149), so that a value read from JSON into a float is bit for bit the one
/// in the file. Texts are converted from the transmitter's code page.
class CParameterJson {
public:
    static QJsonObject ToJson(const CQuillonDoc& doc);
    /// The float as the double whose shortest text is the float's shortest text.
    static double ShortestDouble(float value);
};
