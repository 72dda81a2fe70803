#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

class IOperator;
struct CParameterSatz;

/// The document file (".qlc"): a version number, then the items of the parameter set as little-endian
/// numbers and length-prefixed texts, then all 30 linearization points. Version 8196 is written; 8194,
/// the format before the display unit and the KA71 free range, is still read after asking.
///
/// Files of the earlier Windows program read back unchanged: the texts stay in its code page.
class CDocumentFile {
    Q_DECLARE_TR_FUNCTIONS(CDocumentFile)

public:
    static constexpr qint32 kVersion = 8196;
    static constexpr qint32 kVersionAlt = 8194;
    /// A document holds a few hundred bytes; a larger file than this is refused before it is read, so
    /// a wrong file chosen by mistake cannot exhaust the memory.
    static constexpr qint64 kMaxDateiGroesse = 16 * 1024 * 1024;

    enum class Result {
        /// The whole file was read; the parameter set holds its values.
        Loaded,
        /// The user declined the old format, or the version is unknown; the user has been told.
        Refused,
        /// The file ends early or a text announces more bytes than remain; the user has been told.
        Damaged,
    };

    static QByteArray Store(const CParameterSatz& satz);
    /// Reads into satz, which should come in as the document's current parameter set: fields an old
    /// file does not hold keep their values. Only a Loaded result leaves meaningful values; after any
    /// other result satz is to be dropped.
    static Result Load(QByteArrayView bytes, CParameterSatz& satz, IOperator& op);

    /// The whole file; a file that cannot be read or is far too large is reported and gives false.
    static bool ReadFile(const QString& path, QByteArray& bytes, IOperator& op);
    /// Writes through a temporary file that replaces the old one only when complete; failures are
    /// reported and give false, and the old file stays as it was.
    static bool WriteFile(const QString& path, const QByteArray& bytes, IOperator& op);
};
