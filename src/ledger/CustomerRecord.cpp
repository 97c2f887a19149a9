#include "CustomerRecord.h"

#include "TextUtil.h"

int CustomerRecord::byteLimit(int field)
{
    static const int limits[FieldCount] = {10, 4, 8, 30, 30, 30, 10, 14, 30, 10,
                                           14, 6, 7, 10, 14, 70, 7, 14, 50};
    return field >= 0 && field < FieldCount ? limits[field] : 0;
}

CustomerRecord CustomerRecord::cut() const
{
    CustomerRecord out = *this;
    for (int f = 0; f < FieldCount; ++f) {
        const QString value = f == PostalCode ? fields[f].trimmed() : fields[f];
        out.fields[f] = CutByBytes(value, byteLimit(f));
    }
    return out;
}

QString CustomerRecord::vehicle() const
{
    return fields[VehicleRegion] + fields[VehicleNumber];
}

QString CustomerRecord::residentNumber() const
{
    const QString &first = fields[ResidentFirst];
    const QString &second = fields[ResidentSecond];
    if (!first.isEmpty() && !second.isEmpty())
        return first + QLatin1Char('-') + second;
    return first + second;
}

void CustomerRecord::setVehicle(const QString &stored)
{
    fields[VehicleRegion] = stored.left(2);
    fields[VehicleNumber] = stored.mid(2);
}

void CustomerRecord::setResidentNumber(const QString &stored)
{
    fields[ResidentFirst] = stored.left(6);
    // The dash of a complete number is skipped; a number stored without one keeps all its
    // characters.
    fields[ResidentSecond] = stored.mid(stored.mid(6, 1) == QLatin1String("-") ? 7 : 6);
}
