#include "ui/calibration/PropFinish.h"

#include "ui/calibration/AbglWizard.h"

#include <QLabel>
#include <QVBoxLayout>

CPropFinish::CPropFinish(CAbglWizard& wizard)
    : CAbglWizardPage(wizard) {
    setTitle(tr("Abgleich beendet"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Der Abgleich ist beendet."), this));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(tr("Weiter : Einen neuen Transmitter abgleichen"), this));
    layout->addWidget(new QLabel(tr("Abbrechen: Abgleich beenden"), this));
    layout->addStretch(1);
}

std::optional<int> CPropFinish::Leave() {
    return Wizard().Nav().Next(CAbglWizardRules::kFinish);
}
