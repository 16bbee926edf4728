#pragma once
// A query's records handed over one at a time as they are read, kept by nobody in between: for
// results too large to hold twice, once as a Recordset and once where they go (a grid).
#include <QList>
#include <QString>
#include <QStringList>

namespace korvell {

// The record being read.
class RecordView {
public:
    virtual ~RecordView() = default;
    // The value of column as the windows show it (valueText); empty for Null. Read from the
    // driver's own buffers where the backend allows it, without a QVariant or a date object.
    virtual QString text(int column) = 0;
};

class RecordSink {
public:
    virtual ~RecordSink() = default;
    // The result's column names and ADO type codes, before its first record.
    virtual void begin(const QStringList& names, const QList<int>& types) = 0;
    virtual void record(RecordView& record) = 0;
};

} // namespace korvell
