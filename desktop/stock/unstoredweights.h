#pragma once
// The weights the weighing station could not store, kept until the operator dismisses their line:
// every such package is to be weighed again, so every one is named. The line names the first
// three and the count; the full list is at hand besides.
#include <QString>
#include <QStringList>

namespace korvell {

class UnstoredWeights {
public:
    void add(const QString& weight) { weights << weight; }
    void clear() { weights.clear(); }
    bool isEmpty() const { return weights.isEmpty(); }
    // "重量21.01、22.02、23.03等9件货物没有保存，请重新称重！"
    QString line() const;
    // Every weight, in the order weighed.
    QString all() const { return weights.join("、"); }

private:
    QStringList weights;
};

} // namespace korvell
