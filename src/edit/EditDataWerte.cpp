#include "edit/EditDataWerte.h"

#include "base/Einheiten.h"

QString CEditDataWerte::EinheitName(int nEinheit) const {
    const QString name = strEinheitNamen.value(nEinheit);
    return name.isEmpty() ? CEinheiten::UnitName(nEinheit) : name;
}
