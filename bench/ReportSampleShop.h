#pragma once

class Database;

// Fills a shop with believable records for the report benchmarks and sample print-outs:
// the shop's own record, parts, reference prices and customers. Deterministic.
namespace ReportSampleShop {
void addShopRecord(Database &base);
void addParts(Database &base, const char *table, int count);
void addCustomers(Database &base, int count);
} // namespace ReportSampleShop
