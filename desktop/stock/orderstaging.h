#pragma once
// Staging collected serial numbers on the current stock-out or return order. An item in a status
// the order may take moves to the staged status at once; any other serial number becomes a row
// of the import error list with its reason.
#include "desktop/stock/orderkind.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvell {

struct ImportRejection {
    QString serial, model, spec, net;
    QString reason; // "已经是" + status name, or "该产品不在库中"; empty for an unnamed status
};

struct Staging {
    enum class Result {
        Staged,
        Rejected, // see rejection
        LeftAlone, // another station changed the item between look-up and update
        LookupFailed, // the item could not be read (ExecSQL has shown why)
        UpdateFailed, // the staging update failed (ExecSQL has shown why)
    } result;
    ImportRejection rejection;
};

Staging stageBarcode(const OrderKind& kind, const QString& serial, const StagingTarget& target);
Staging StageStockOutBarcode(const QString& serial, const StagingTarget& target);
Staging StageReturnBarcode(const QString& serial, const StagingTarget& target);

struct ImportOutcome {
    int staged = 0;
    QList<ImportRejection> rejections;
    bool stopped = false; // a look-up failed; the serial numbers before it stay staged
};

// Stages the serial numbers in order. A failed update goes on with the next one; a failed
// look-up stops, keeping what was staged so far.
ImportOutcome stageSerials(const OrderKind& kind, const QStringList& serials, const StagingTarget& target);

// Every item that carries the stock-out order number, in the database's order (the returns
// window's whole-order take-back). Nothing when the query failed.
std::optional<QStringList> serialsOfStockOutOrder(const QString& order);

// Whether the order holds staged items; nothing when the query failed.
std::optional<bool> hasStagedItems(const OrderKind& kind, const QString& order);

} // namespace korvell
