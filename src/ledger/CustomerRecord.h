#pragma once

#include <QString>

#include <array>

// The nineteen customer fields of the ledger screen, in screen order (Text1_0 .. Text1_18).
// The vehicle and resident numbers are kept as the two parts the user types.
struct CustomerRecord
{
    enum Field {
        Name = 0,
        VehicleRegion = 1,
        VehicleNumber = 2,
        Model = 3,
        Colour = 4,
        Insurer = 5,
        InsuranceExpiry = 6,
        HomePhone = 7,
        Company = 8,
        InspectionExpiry = 9,
        WorkPhone = 10,
        ResidentFirst = 11,
        ResidentSecond = 12,
        Registered = 13,
        Mobile = 14,
        Address = 15,
        PostalCode = 16,
        Pager = 17,
        Remarks = 18,
        FieldCount = 19
    };

    qint64 code = 0;
    std::array<QString, FieldCount> fields;

    QString &operator[](int field) { return fields[field]; }
    const QString &operator[](int field) const { return fields[field]; }

    // How many bytes of the Korean code page each field keeps when saved.
    static int byteLimit(int field);
    // Every field cut to its byte limit (the postal code trimmed first).
    CustomerRecord cut() const;
    // 차량번호: the region part followed by the number part.
    QString vehicle() const;
    // 주민번호: the parts joined by "-" when both are there, run together otherwise.
    QString residentNumber() const;
    void setVehicle(const QString &stored);
    void setResidentNumber(const QString &stored);
};
