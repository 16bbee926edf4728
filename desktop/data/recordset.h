#pragma once
// Recordset: an in-memory snapshot of a query's result, read the way the windows read ADO
// recordsets: current record, EOF, move next/first, fields by name (any case) or position.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace korvell {

// ADO data type codes, reported for each field.
enum AdoType {
    adInteger = 3,
    adDouble = 5,
    adCurrency = 6,
    adBoolean = 11,
    adNumeric = 131,
    adBigInt = 20,
    adDBDate = 133,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarBinary = 204,
};

struct Field {
    QString name;
    int type = adVarChar;
    QVariant value; // a null QVariant for SQL NULL
    bool isNull() const { return value.isNull(); }
    QString text() const { return value.toString(); }
};

class Recordset {
public:
    Recordset(QStringList names, QList<int> types, QList<QList<QVariant>> rows);

    int RecordCount() const { return int(rows.size()); }
    bool eof() const { return current >= rows.size(); }
    void MoveNext() { ++current; }
    void MoveFirst() { current = 0; }

    int fieldCount() const { return int(names.size()); }
    // Field of the current record; by name without regard to case. An unknown name or a position
    // out of range gives a field with an empty name and a null value; at EOF the field keeps its
    // name and type (the field list of an empty result stays readable) and its value is null.
    Field field(const QString& name) const;
    Field field(int position) const;
    // Shorthand for field(name).value.
    QVariant value(const QString& name) const { return field(name).value; }
    QVariant value(int position) const; // as field(position).value, without building the field
    bool hasField(const QString& name) const;

private:
    int indexOf(const QString& name) const;
    QStringList names;
    QList<int> types;
    QList<QList<QVariant>> rows;
    qsizetype current = 0;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

} // namespace korvell
