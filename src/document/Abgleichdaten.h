#pragma once

#include <QtGlobal>
#include <array>

/// The calibration data record: the document's copy of the factory calibration block that transmitters
/// of types 2 to 10 keep in their own memory. Its word layout, transfers and dialogs belong to the
/// calibration functions; here it is only held. It is never part of a document file.
struct CAbgleichdaten {
    /// The record holds data read from a transmitter.
    bool m_bGueltig = false;
    /// The transmitter type whose word layout the record was read with; -1 before a read. After
    /// "Transmitter-Typ..." or a file of another type the record no longer fits the document's type:
    /// writing it would put one family's words into another's calibration.
    int m_nReadForTyp = -1;

    /// The record was read and fits a transmitter of type nTyp.
    bool IsValidFor(int nTyp) const { return m_bGueltig && m_nReadForTyp == nTyp; }
    /// ADC readings at calibration points 1 to 5 (pressure input P1 of the VN62).
    std::array<qint32, 5> m_nAdc{};
    /// Entries 0 to 2: DAC values of the output at start, middle and end; 3 and 4: output range
    /// start and end x 100 (output 1 of the VN62).
    std::array<qint32, 5> m_nDac{};
    /// Temperature ADC reference readings; entry 2 only with the extended function set and on the KA71.
    std::array<qint32, 3> m_nTemperaturAdc{};
    qint16 m_nWerksOffset = 0;
    /// 10000 is neutral, 9000 is -10 %, 11000 is +10 %.
    quint16 m_nWerksSpanne = 0;
    quint16 m_nKommaPos = 0;
    qint16 m_nBereichAnfang = 0;
    qint16 m_nBereichEnde = 0;
    /// 0 = x1, 1 = x2, 2 = x4, 3 = x8, 4 = x16, 5 = x32.
    quint16 m_nGain = 0;
    /// 0 none, 1 bar, 2 mbar, 3 Pa, 4 kPa, 5 degC, 6 degF, 7 %.
    quint16 m_nAbglEinheit = 0;
    quint16 m_nEnableParametrierung = 0;
    /// Temperature compensation a + b x + c x^2 + d x^3 of offset and span.
    std::array<float, 4> m_fTkOffset{};
    std::array<float, 4> m_fTkSpanne{};
    /// Receives the transmitter's second copy of m_nEnableParametrierung when a record is read.
    quint16 m_nReserve = 0;
    std::array<char, 16> m_szSeriennummer{};
    qint16 m_nAbglBereichAnfang = 0;
    qint16 m_nAbglBereichEnde = 0;

    // VN62 only: the second pressure input P2 and the second output.
    std::array<qint32, 5> m_nAdc2{};
    std::array<qint32, 5> m_nDac2{};
    std::array<float, 4> m_fTkOffset2{};
    std::array<float, 4> m_fTkSpanne2{};
    qint16 m_nWerksOffset2 = 0;
    quint16 m_nWerksSpanne2 = 0;
};
