#include "edit/EditDataValues.h"

#include "base/Einheiten.h"

QString CEditDataValues::EinheitName(int nEinheit) const {
    const QString name = strEinheitNamen.value(nEinheit);
    return name.isEmpty() ? CEinheiten::UnitName(nEinheit) : name;
}
