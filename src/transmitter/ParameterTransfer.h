#pragma once

#include "document/ParameterSatz.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <functional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// The program's main job: "Empfangen..." reads the whole parameter set of the attached transmitter into
/// the document, "Senden..." writes the document's parameter set into the transmitter after a question
/// and a check of unit and base range. Both run step by step with the progress window "Datentransfer";
/// the steps depend on the transmitter type, the bar shows the step counter.
///
/// A failed step ends the sequence with its message; a reply too short for its decoder (a program error)
/// is reported and ends the sequence the same way. Every sequence closes the port at its end, so that
/// the next one connects afresh. Each is one transmitter operation (CLinkOperation): refused while another
/// runs, the range check inside a send being part of the send.
class CParameterTransfer {
    Q_DECLARE_TR_FUNCTIONS(CParameterTransfer)

public:
    /// Between two receive steps the line rests and the progress window gets a moment to repaint (the
    /// send goes from step to step without it).
    static constexpr int kReceiveStepPauseMs = 10;

    /// How a send ended (the window shows the messages; the command-line tool also needs the outcome).
    enum class SendResult {
        Sent,         ///< every step was answered
        Unsendable,   ///< the parameter set holds values that cannot be sent; nothing was sent
        Declined,     ///< the user did not confirm the question; nothing was sent
        RangeDiffers, ///< unit or base range of the transmitter differ, or could not be read
        Failed,       ///< the connect or a write step failed
        Refused,      ///< another transmitter operation is running; nothing was asked or sent
    };

    CParameterTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc);

    /// Reads the whole parameter set into a set of its own and takes it over into the document when
    /// every step succeeded (true); a receive that fails leaves the document as it was.
    bool ReceiveParameterSet();
    /// The set the last receive read, as far as it came: the whole set after a success, after a
    /// failure the identity of the transmitter as far as it was read (empty when the connect failed).
    const CParameterSatz& LastRead() const { return m_lastRead; }
    /// The message the last receive or send ended with when it failed on the way (what the person was
    /// told last); empty after a success and when it was refused or declined before it began.
    const QString& Fehlermeldung() const { return m_strFehler; }
    /// Finds the values of a parameter set that lie outside the edit dialogs' limits, each as "field:
    /// message"; the edit layer provides it (CSendeGrenzen).
    using GrenzenPruefung = std::function<QStringList(const CQuillonDoc&)>;

    /// Checks the parameter set (CParameterPruefung refuses what cannot be sent; values outside the
    /// dialog limits are asked about when a limit check is set), asks, checks unit and range and writes
    /// by the sequence of the type.
    SendResult SendParameterSet();
    void SetGrenzenPruefung(GrenzenPruefung pruefung) { m_grenzenPruefung = std::move(pruefung); }
    /// After a send that failed: whether the transmitter may hold some or all of the new values. A
    /// memory image takes effect with its end command, so a failure at or after that command (its reply
    /// lost, its retry unanswered) leaves the new set, the old one or a mix; so does a failure after the
    /// first single write of the command types. Only a read-back tells which.
    bool MayHaveWritten() const { return m_bMayHaveWritten; }
    /// Whether the transmitter's unit and base range equal the document's (step 1 of every send).
    bool VerifyTransmitterRange();

    /// The 0x86 payloads of a memory image: the byte address of each block as a hex byte, then up to 20
    /// hex digits (10 bytes) of the image. A 45-digit image gives three blocks at 00, 0A and 14.
    static QList<QByteArray> ImageBlocks(const QByteArray& image);

private:
    static constexpr int kEnd = -1;

    /// One step of a sequence: whether its transfer succeeded and the step that follows (kEnd: done).
    struct Step {
        bool bOk;
        int nNext;
    };

    /// The steps of a receive into m_doc (the set of its own), with progress and message.
    bool ReadSteps();
    Step ReceiveStep(int nStep);
    Step ReceiveLinTab(int nStep);
    Step CommandSendStep(int nStep, bool& bAbort);
    Step ImageSendStep(int nStep, bool& bAbort, QList<QByteArray>& blocks);
    Step SendImageBlock(int nStep, int nFirstStep, const QList<QByteArray>& blocks, int nNextWhenDone,
                        bool bOnlyOne);
    SendResult RunSend(int nLastStep, bool bImages);

    QByteArray LinTabBlockPayload(int nBlock) const;
    void SetText(const char* text);
    void ReportProgramError(const char* what);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
    GrenzenPruefung m_grenzenPruefung;
    bool m_bMayHaveWritten = false;
    CParameterSatz m_lastRead;
    QString m_strFehler;
};
