#include "edit/EditDataWerte.h"

#include "edit/Einheiten.h"

QString CEditDataWerte::EinheitName(int nEinheit) const {
    const QString name = strEinheitNamen.value(nEinheit);
    return name.isEmpty() ? CEinheiten::UnitName(nEinheit) : name;
}
