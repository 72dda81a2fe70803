#pragma once

#include "shell/ParameterVergleich.h"

#include <QDialog>
#include <memory>

class CQuillonDoc;
class QPushButton;
class QTableWidget;

/// "Vergleichen": every field of the document beside the transmitter's value, the differing rows marked.
/// Per row the transmitter's value can be taken into the document, and the document's value as it was
/// when the window opened can be put back; the table follows each take-over.
class CVergleich : public QDialog {
    Q_OBJECT

public:
    enum Spalte { kFeld, kDokument, kTransmitter, kSpalten };

    /// doc is changed by the take-overs; geraet is the parameter set read from the transmitter.
    CVergleich(CQuillonDoc& doc, const CQuillonDoc& geraet, QWidget* parent = nullptr);
    ~CVergleich() override;

    QTableWidget* Table() const { return m_pTable; }
    /// The field name of a row ("m_fDaempfung").
    QString Feld(int nRow) const;
    /// Takes the transmitter's value of the row into the document.
    void TakeTransmitter(int nRow);
    /// Puts the document's value of the row back as it was when the window opened.
    void TakeDokument(int nRow);
    /// For two sets of which neither is the document (two events of the history): the columns are
    /// named after them and nothing can be taken over.
    void ShowOnly(const QString& leftTitle, const QString& rightTitle);

private:
    void Fill();
    void UpdateButtons();

    CQuillonDoc& m_doc;
    const CQuillonDoc& m_geraet;
    /// The document's parameter set when the window opened.
    std::unique_ptr<CQuillonDoc> m_vorher;
    CParameterVergleich::Ergebnis m_ergebnis;
    QTableWidget* m_pTable;
    QPushButton* m_pTakeTransmitter;
    QPushButton* m_pTakeDokument;
};
