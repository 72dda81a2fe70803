#pragma once

class CCalibrationTransfer;
class CQuillonDoc;

/// The factory menu's "Abgleichdaten lesen..." of each transmitter family: the RX30/RX31/RX84/RX96 and
/// the VN62 entries first make the document's type one of their family, so that the words are read and
/// decoded by that family's layout; the RX93 and KA71 entries read by the type as it is.
class CAbgleichKommandos {
public:
    enum class Familie { RX31, RX93, VN62, KA71 };

    /// The type a read from the family's menu uses for a document of type nTyp.
    static int TypForRead(Familie familie, int nTyp);

    CAbgleichKommandos(CCalibrationTransfer& transfer, CQuillonDoc& doc);
    /// Sets the type for the family and reads the record.
    bool Read(Familie familie);

private:
    CCalibrationTransfer& m_transfer;
    CQuillonDoc& m_doc;
};
