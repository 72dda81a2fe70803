#include "calibration/AbglWizardNavigation.h"

using R = CAbglWizardRules;

int CAbglWizardNavigation::Previous(int nPage) {
    switch (nPage) {
    case R::kMessbereich:
        return R::kWelcome;
    case R::kDac:
        return R::kMessbereich;
    case R::kAdc:
        return R::kDac;
    case R::kOptionen:
        return R::kAdc;
    case R::kFinish:
        return R::kOptionen;
    default:
        return R::kWelcome;
    }
}

int CAbglWizardNavigation::Next(int nPage, bool bSkipDac) {
    switch (nPage) {
    case R::kWelcome:
        nLastPage = R::kWelcome;
        bFirstPass = false;
        return modus == Modus::NurOptionen ? R::kOptionen : R::kMessbereich;
    case R::kMessbereich:
        nLastPage = R::kMessbereich;
        bDacSkipped = bSkipDac;
        return bSkipDac ? R::kAdc : R::kDac;
    case R::kDac:
        nLastPage = R::kDac;
        return R::kAdc;
    case R::kAdc:
        nLastPage = R::kAdc;
        return R::kOptionen;
    case R::kOptionen:
        return R::kFinish;
    default:
        return R::kWelcome;
    }
}

int CAbglWizardNavigation::Back(int nPage) {
    switch (nPage) {
    case R::kAdc:
        if (nLastPage == R::kAdc && bDacSkipped) {
            nLastPage = R::kMessbereich;
            return R::kMessbereich;
        }
        if (nLastPage == R::kAdc) {
            nLastPage = R::kDac;
            return R::kDac;
        }
        return nLastPage;
    case R::kFinish:
        return R::kOptionen;
    case R::kWelcome:
        return R::kWelcome;
    default:
        return nLastPage == nPage ? Previous(nPage) : nLastPage;
    }
}
