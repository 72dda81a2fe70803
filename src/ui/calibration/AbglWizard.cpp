#include "ui/calibration/AbglWizard.h"

#include "calibration/AbglWizardRules.h"
#include "core/Operator.h"
#include "link/TransmitterLink.h"
#include "ui/calibration/AbglWizardPage.h"
#include "ui/calibration/PropFinish.h"
#include "ui/calibration/PropPageADC.h"
#include "ui/calibration/PropPageDAC.h"
#include "ui/calibration/PropPageMessbereich.h"
#include "ui/calibration/PropPageOptionen.h"
#include "ui/calibration/PropPageWelcome.h"

#include <QAbstractButton>
#include <QPushButton>

namespace {

using R = CAbglWizardRules;

constexpr QWizard::WizardButton kBack = QWizard::CustomButton1;
constexpr QWizard::WizardButton kNext = QWizard::CustomButton2;
constexpr int kMinBreite = 600;
constexpr int kMinHoehe = 560;

} // namespace

CAbglWizard::CAbglWizard(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection, QWidget* parent)
    : QWizard(parent)
    , m_doc(doc)
    , m_link(link)
    , m_transfer(link, connection, doc)
    , m_calibration(link, connection, doc)
    , m_service(link, connection, doc) {
    setObjectName(QStringLiteral("AbglWizard"));
    setWindowTitle(tr("Analogabgleich"));
    setWizardStyle(QWizard::ClassicStyle);
    // Large enough for the options page, so that the window keeps its size from page to page.
    setMinimumSize(kMinBreite, kMinHoehe);
    setOption(QWizard::HaveCustomButton1);
    setOption(QWizard::HaveCustomButton2);
    setButtonText(kBack, tr("< Zurück"));
    setButtonText(kNext, tr("Weiter >"));
    setButtonText(QWizard::CancelButton, tr("Abbrechen"));
    setButtonLayout({QWizard::Stretch, kBack, kNext, QWizard::CancelButton});
    button(kBack)->setObjectName(QStringLiteral("back"));
    button(kNext)->setObjectName(QStringLiteral("next"));
    button(QWizard::CancelButton)->setObjectName(QStringLiteral("cancel"));
    connect(this, &QWizard::customButtonClicked, this, [this](int which) {
        if (which == kBack) {
            GoBack();
        } else if (which == kNext) {
            GoNext();
        }
    });
    setPage(R::kWelcome, new CPropPageWelcome(*this));
    setPage(R::kMessbereich, new CPropPageMessbereich(*this));
    setPage(R::kDac, new CPropPageDAC(*this));
    setPage(R::kAdc, new CPropPageADC(*this));
    setPage(R::kOptionen, new CPropPageOptionen(*this));
    setPage(R::kFinish, new CPropFinish(*this));
    setStartId(R::kWelcome);
    connect(this, &QWizard::currentIdChanged, this, [this] { UpdateButtons(); });
    connect(this, &QWizard::currentIdChanged, this, [this](int nPage) {
        if (nPage == R::kFinish) {
            m_transfer.RecordEnd(true);
        }
    });
}

CAbglWizard::~CAbglWizard() {
    m_link.Sio().ClosePort();
}

IOperator& CAbglWizard::Operator() {
    return m_link.Operator();
}

void CAbglWizard::UpdateButtons() {
    button(kBack)->setEnabled(!m_bBusy && currentId() != R::kWelcome);
    button(kNext)->setEnabled(!m_bBusy);
    // Enter in an entry goes on as "Weiter >" does (the wizard's own buttons are not shown).
    if (auto* next = qobject_cast<QPushButton*>(button(kNext))) {
        next->setDefault(true);
    }
    button(QWizard::CancelButton)->setEnabled(!m_bBusy);
}

bool CAbglWizard::Run(const std::function<bool()>& transfer) {
    if (m_bBusy) {
        return false;
    }
    // The flag goes on every way out, so that no failed or refused transfer leaves the buttons dead.
    struct Busy {
        CAbglWizard& w;
        explicit Busy(CAbglWizard& wizard)
            : w(wizard) {
            w.m_bBusy = true;
            w.UpdateButtons();
        }
        ~Busy() {
            w.m_bBusy = false;
            w.UpdateButtons();
        }
    } busy(*this);
    const bool bOk = transfer();
    m_link.Sio().ClosePort();
    return bOk;
}

void CAbglWizard::ShowEmpfangsfehler() {
    Operator().Message(tr("Empfangsfehler!"));
}

void CAbglWizard::GoTo(int nPage) {
    setStartId(nPage);
    restart();
}

void CAbglWizard::GoNext() {
    auto* page = qobject_cast<CAbglWizardPage*>(currentPage());
    if (m_bBusy || page == nullptr) {
        return;
    }
    const std::optional<int> next = page->Leave();
    if (next) {
        GoTo(*next);
    }
}

void CAbglWizard::GoBack() {
    if (m_bBusy || currentId() == R::kWelcome) {
        return;
    }
    if (auto* dac = qobject_cast<CPropPageDAC*>(currentPage())) {
        dac->ReleaseOutput();
    }
    GoTo(m_nav.Back(currentId()));
}

void CAbglWizard::reject() {
    if (m_bBusy) {
        return; // the transfer ends first; its own failure or success leaves a defined state
    }
    if (auto* dac = qobject_cast<CPropPageDAC*>(currentPage())) {
        dac->ReleaseOutput(); // a driven output would stay fixed after the wizard
    }
    if (currentId() != R::kWelcome && currentId() != R::kFinish) {
        Operator().Message(tr("Der Abgleich wurde abgebrochen.\nDer Transmitter behält die zuletzt "
                              "geschriebenen Abgleichdaten."));
        m_transfer.RecordEnd(false);
    }
    QWizard::reject();
}
