#include "desktop/stock/orderkind.h"

#include "desktop/stock/itemstatus.h"

namespace korvell {

const OrderKind StockOutOrders {
    .windowName = "ckform",
    .accepted = { StatusInStock, StatusReturnedToStock },
    .staged = StatusStagedForStockOut,
    .orderColumn = "ck_groupno",
    .stage = [](const QString& serial, const StagingTarget& t) {
        return stageForStockOut(serial, t.day, t.order, t.station, t.clerk);
    },
    .book = [](const QString& serial, const QString& order, const QString& approver, const QString& customer) {
        return bookStockOutItem(serial, order, customer, approver);
    },
    .undoOrder = undoStockOutOrder,
    .undoLine = undoStockOutLine,
    .needsCustomer = true,
    .pickTitle = "打开文件",
    .noGoods = "没有符合条件的出库货物！",
    .noApprover = "请选择出库审核员",
    .booked = "本单数据已经全部出库！",
    .bookedMark = "已经出库",
    .nothingToBook = "没有货物数据可以出库！",
    .partlyBooked = "货物出库没有全部完成！",
    .partlyBookedHint = "%1笔货物未能出库，请稍后再点击货物出库",
    .logPrefix = "将出库单号为",
    .logSuffix = "的产品出库",
    .pending = "本出库单有货物待出库！",
    .pendingNewOrder = "请出库后产生新的出库单！！",
    .pendingClose = "请出库后再退出！！",
    .pendingBrowse = "请出库后再查其他出库单！！",
    .firstOrder = "本单是当日第一张出库单！",
    .firstOrderHint = "前面没有其他出库单！！",
    .lastOrder = "本单是当日最后的出库单！",
    .lastOrderHint = "后面没有其他出库单！！",
    .notOwnerOrder = "该单货物不是您出库的！",
    .notOwnerLine = "该笔货物不是您出库的！",
    .undoneOrder = "该出库单数据已经全部删除！",
    .undoneOrderHint = "自动退回总库",
    .undoneLine = "该笔货物数据已经删除！",
    .undoneLineHint = "变为正常库存",
    .sheetTitle = "产品出库单",
};

const OrderKind ReturnOrders {
    .windowName = "tkform",
    .accepted = { StatusBookedOut },
    .staged = StatusStagedForReturn,
    .orderColumn = "tk_groupno",
    .stage = [](const QString& serial, const StagingTarget& t) {
        return stageForReturn(serial, t.day, t.order, t.station, t.clerk);
    },
    .book = [](const QString& serial, const QString& order, const QString& approver, const QString&) {
        return bookReturnItem(serial, order, approver);
    },
    .undoOrder = undoReturnOrder,
    .undoLine = undoReturnLine,
    .needsCustomer = false,
    .pickTitle = "在指定的位置没有发现文件用户自己打开文件",
    .noGoods = "没有符合条件的退库货物！",
    .noApprover = "请选择退库审核员",
    .booked = "本单数据已经全部退库！",
    .bookedMark = "已经退库",
    .nothingToBook = "没有货物数据可以退库！",
    .partlyBooked = "货物退库没有全部完成！",
    .partlyBookedHint = "%1笔货物未能退库，请稍后再点击货物退库",
    .logPrefix = "将退库单号为",
    .logSuffix = "的产品退回仓库",
    .pending = "本退库单有货物待退库！",
    .pendingNewOrder = "请退库后产生新的退库单！！",
    .pendingClose = "请退库后再退出！！",
    .pendingBrowse = "请退库后再查其他退库单！！",
    .firstOrder = "本单是当日第一张退库单！",
    .firstOrderHint = "前面没有其他退库单！！",
    .lastOrder = "本单是当日最后的退库单！",
    .lastOrderHint = "后面没有其他退库单！！",
    .notOwnerOrder = "该单货物不是您退库的！",
    .notOwnerLine = "该笔货物不是您退库的！",
    .undoneOrder = "该退库单数据已经全部删除！",
    .undoneOrderHint = "仍然处于已出库状态",
    .undoneLine = "该笔货物数据已经删除！",
    .undoneLineHint = "仍然变为出库状态",
    .sheetTitle = "产品退库单",
};

} // namespace korvell
