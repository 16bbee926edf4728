#pragma once
// Staging collected serial numbers on the current stock-out or return order. An item in a status
// the order may take moves to the staged status at once; any other serial number becomes a row
// of the import error list with its reason.
#include "desktop/stock/databasetrouble.h"
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

struct [[nodiscard]] Staging {
    enum class Result {
        Staged,
        Rejected, // see rejection
        LeftAlone, // another station changed the item between look-up and update
        Failed, // the item could not be read or updated (ExecSQL has shown why)
    } result;
    ImportRejection rejection;
    DatabaseTrouble trouble = DatabaseTrouble::None; // why it failed
};

Staging stageBarcode(const OrderKind& kind, const QString& serial, const StagingTarget& target);

struct [[nodiscard]] ImportOutcome {
    int staged = 0;
    QList<ImportRejection> rejections;
    int left = 0; // serial numbers not tried or failed, from the one the import stopped at
    DatabaseTrouble trouble = DatabaseTrouble::None; // why it stopped
    bool stopped() const { return trouble != DatabaseTrouble::None; }
};

// Stages the serial numbers in order. The first that fails stops the import, keeping what was
// staged before it: the next would fare no better, and a locked table would cost each its wait.
ImportOutcome stageSerials(const OrderKind& kind, const QStringList& serials, const StagingTarget& target);

// Every item that carries the stock-out order number, in the database's order (the returns
// window's whole-order take-back). Nothing when the query failed.
[[nodiscard]] std::optional<QStringList> serialsOfStockOutOrder(const QString& order);

} // namespace korvell
