#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <functional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;

/// The port choice "Schnittstelle": COM1 to COM8 as buttons, enabled for the ports that can be opened,
/// and its own "PL45 suchen". That search differs from the hardware setup's on purpose: it tries only
/// the eight ports of the dialog, takes every port whose interface answers at all (the last one wins)
/// and tells nothing; the buttons show what it found.
class CComportRules {
    Q_DECLARE_TR_FUNCTIONS(CComportRules)

public:
    static constexpr int kPortCount = 8;

    enum class Result { Ok, Cancel, Search };

    struct Values {
        std::array<bool, kPortCount> enabled{};
        int nSelected = 0; ///< 0-based port index
        bool bSearchEnabled = false;
    };

    using ShowDialog = std::function<Result(Values&)>;

    CComportRules(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection);

    /// "COM n (device)" for a 0-based index: the device the number stands for on this machine.
    QString PortText(int nIndex) const;
    /// The dialog data: the eight ports probed, the document's port, the search for a PL45 only.
    Values Load();
    void ProbePorts(Values& values);
    /// "PL45 suchen" over the enabled ports; the last port whose interface answers becomes the choice.
    void SearchPL45(Values& values);
    /// "OK": the chosen port becomes the document's; the port is closed.
    void Apply(const Values& values);
    /// Shows the dialog until "OK" or "Abbrechen"; true on "OK".
    bool Run(const ShowDialog& show);

private:
    CQuillonDoc& m_doc;
    CTransmitterLink& m_link;
    CConnection& m_connection;
};
