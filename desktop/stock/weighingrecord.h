#pragma once
// One weight becomes one stored item: numbered, inserted with status "30" (the table's default)
// on the current stock-in order.
#include <QDate>
#include <QString>
#include <optional>

namespace korvell {

// What the weighing window shows when the weight comes in.
struct WeighingEntry {
    QString gross; // current weight as received, e.g. "12.34" or " 9.80"
    QString tare; // the product's tare
    QString spec; // the product's size, e.g. "0.35"
    QDate day; // stock-in day
    QString order; // current stock-in order number
    QString model; // product code
    QString team, machineGroup, inspector, auditor, producer; // codes, stored trimmed
    QString weigher; // logged-in user
    QString station; // this workstation
};

struct WeighedItem {
    QString serialno;
    qint64 count_num = 0;
    QString net; // gross - tare, exact, as plain decimal text
};

struct [[nodiscard]] WeighingOutcome {
    std::optional<WeighedItem> item;
    QString why; // when nothing was stored: why, and what to do, in the system's words

    explicit operator bool() const { return item.has_value(); }
    const WeighedItem* operator->() const { return &*item; }
};

// Stores the item. Nothing is stored when the gross weight or tare is no weight (weightOf) or the
// net weight leaves the weights' range, when the product size is not a number, when no number can
// be made, or when the insert fails; the window tells the operator.
WeighingOutcome SaveWeighingRecord(const WeighingEntry& entry);

} // namespace korvell
