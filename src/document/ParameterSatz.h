#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>

/// The parameter set of one transmitter: what a receive reads, a send writes and a document file holds.
/// A plain record so that a file can be read into a fresh one and taken over whole. The initial values
/// are those of a cleared document at program start; the document's operations keep the guards.
///
/// Texts are bytes in the transmitter's code page (Windows-1252), exactly as they travel in frames and
/// files. 16-bit fields are held in 16 bits so that a file reads back bit for bit.
struct CParameterSatz {
    static constexpr int kLinTabPunkte = 30;

    qint32 m_nTyp = 2;
    QByteArray m_strKennung;
    QByteArray m_strSeriennummer;
    QByteArray m_strBezeichnung;
    qint32 m_nDezimalstellen = 3;
    qint32 m_nEinheit = 0;
    qint32 m_nAnzeigeEinheit = 0;
    float m_fGrundAnfang = 0.0f;
    float m_fGrundEnde = 1.0f;
    float m_fMessAnfang = 0.0f;
    float m_fMessEnde = 1.0f;
    float m_fOffset = 0.0f;
    float m_fSpanne = 0.0f;
    float m_fDaempfung = 0.0f;
    float m_fTempDaempfung = 0.0f;
    qint16 m_nReserve = 0;
    qint16 m_nTastatursperre = 0;
    qint16 m_nNullpunktsfenster = 0;
    float m_fStromgrenzeMin = 3.8f;
    float m_fStromgrenzeMax = 22.5f;
    float m_fFehlerstrom = 3.5f;
    qint32 m_nLinTabAnzahl = 0;
    std::array<float, kLinTabPunkte> m_fLinTabX{};
    std::array<float, kLinTabPunkte> m_fLinTabY{};
    qint32 m_nFreiDezimalpunkt = 0;
    qint16 m_nFreiAnfang = 0;
    qint16 m_nFreiEnde = 1000;
    qint32 m_nMedium = 0;
};
