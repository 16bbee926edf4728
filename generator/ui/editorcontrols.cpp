#include "generator/ui/editorcontrols.h"

namespace vosket {

namespace {

    template <typename W> W* Named(W* widget, const char* kind, int id)
    {
        widget->setObjectName(QString::fromLatin1(kind) + QString::number(id));
        return widget;
    }

} // namespace

QComboBox* IdCombo(QWidget* parent, int id, const QStringList& items)
{
    auto* combo = Named(new QComboBox(parent), "combo", id);
    combo->addItems(items);
    return combo;
}

QLineEdit* IdEdit(QWidget* parent, int id)
{
    return Named(new QLineEdit(parent), "edit", id);
}

QPushButton* IdButton(QWidget* parent, int id, const QString& text)
{
    return Named(new QPushButton(text, parent), "button", id);
}

QCheckBox* IdCheck(QWidget* parent, int id, const QString& text)
{
    return Named(new QCheckBox(text, parent), "check", id);
}

QRadioButton* IdRadio(QWidget* parent, int id, const QString& text)
{
    return Named(new QRadioButton(text, parent), "radio", id);
}

QLabel* IdLabel(QWidget* parent, int id)
{
    return Named(new QLabel(parent), "static", id);
}

QStringList TargetNames()
{
    QStringList names { QStringLiteral("主菜单") };
    for (const QString& kind : { QStringLiteral("窗体  "), QStringLiteral("菜单  ") }) {
        for (int n = 1; n <= 10; ++n)
            names << kind + QString::number(n);
    }
    return names;
}

void SetIndex(QComboBox* combo, uint8_t value)
{
    combo->setCurrentIndex(value < combo->count() ? value : -1);
}

void StoreIndex(QComboBox* combo, std::function<uint8_t*()> field, const bool* showing)
{
    QObject::connect(
        combo, &QComboBox::currentIndexChanged, combo, [field = std::move(field), showing](int index) {
            if (!(showing && *showing) && index >= 0)
                *field() = static_cast<uint8_t>(index);
        });
}

} // namespace vosket
