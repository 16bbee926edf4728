#include "generator/ui/symbologydlg.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/okcancel.h"
#include "generator/ui/pagerules.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vosket {

SymbologyDlg::SymbologyDlg(const SymbologyKind& kind, BarcodeSettings& settings, QWidget* parent)
    : QDialog(parent)
    , kind(kind)
    , settings(settings)
{
    setWindowTitle(QString::fromUtf8(kind.caption));
    setObjectName(QString::fromLatin1(kind.dialog));
    auto* layout = new QVBoxLayout(this);
    for (const SymbologyRadioGroup& group : kind.groups) {
        auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
        auto* boxLayout = new QVBoxLayout(box);
        auto* buttons = new QButtonGroup(this);
        int choice = 0;
        for (const SymbologyRadio& radio : group.radios) {
            auto* button = new QRadioButton(QString::fromUtf8(radio.text), box);
            button->setObjectName(QStringLiteral("radio") + QString::number(radio.id));
            buttons->addButton(button, choice++);
            boxLayout->addWidget(button);
        }
        if (QAbstractButton* shown = buttons->button(group.read(settings)))
            shown->setChecked(true);
        groups.push_back(buttons);
        layout->addWidget(box);
    }
    for (const SymbologyCheck& check : kind.checks) {
        QCheckBox* box = IdCheck(this, check.id, QString::fromUtf8(check.text));
        box->setChecked(settings.bits(check.byte, check.bit) != 0);
        checks.push_back(box);
        layout->addWidget(box);
    }
    if (kind.lengths) {
        const LengthPair pair = settings.lengthPair(kind.lengths->offset);
        auto* box = new QGroupBox(QStringLiteral("长度限定"), this);
        auto* grid = new QGridLayout(box);
        lengthMode = new QButtonGroup(this);
        auto* fixedRadio = new QRadioButton(QStringLiteral("固定长度"), box);
        auto* maxMinRadio = new QRadioButton(QStringLiteral("最大/最小长度"), box);
        fixedRadio->setObjectName(QStringLiteral("radio") + QString::number(kind.lengths->fixedRadio));
        maxMinRadio->setObjectName(QStringLiteral("radio") + QString::number(kind.lengths->maxMinRadio));
        lengthMode->addButton(fixedRadio, 0);
        lengthMode->addButton(maxMinRadio, 1);
        (pair.maxMin ? maxMinRadio : fixedRadio)->setChecked(true);
        firstLabel = new QLabel(box);
        secondLabel = new QLabel(box);
        firstLabel->setObjectName(QStringLiteral("static401"));
        secondLabel->setObjectName(QStringLiteral("static402"));
        first = IdEdit(box, 501);
        second = IdEdit(box, 502);
        firstValue = pair.first;
        secondValue = pair.second;
        first->setText(QString::number(pair.first));
        second->setText(QString::number(pair.second));
        grid->addWidget(fixedRadio, 0, 0);
        grid->addWidget(maxMinRadio, 0, 1);
        grid->addWidget(firstLabel, 1, 0);
        grid->addWidget(first, 1, 1);
        grid->addWidget(secondLabel, 2, 0);
        grid->addWidget(second, 2, 1);
        showLengthLabels(pair.maxMin);
        connect(lengthMode, &QButtonGroup::idClicked, this, [this](int id) { showLengthLabels(id == 1); });
        const auto follow = [this](QLineEdit* edit, int& value, LengthInput (*rule)(const QString&)) {
            connect(edit, &QLineEdit::textChanged, this, [edit, &value, rule] {
                const LengthInput input = rule(edit->text());
                if (input.replaceText)
                    edit->setText(*input.replaceText);
                else
                    value = input.value;
            });
        };
        follow(first, firstValue, &FirstLength);
        follow(second, secondValue, &SecondLength);
        layout->addWidget(box);
    }
    layout->addWidget(OkCancelButtons(this));
}

void SymbologyDlg::showLengthLabels(bool maxMin)
{
    firstLabel->setText(maxMin ? QStringLiteral("最大长度 :") : QStringLiteral("固定长度 1:"));
    secondLabel->setText(maxMin ? QStringLiteral("最小长度 :") : QStringLiteral("固定长度 2:"));
}

void SymbologyDlg::accept()
{
    for (std::size_t i = 0; i < kind.groups.size(); ++i) {
        if (groups[i]->checkedId() >= 0)
            kind.groups[i].write(settings, groups[i]->checkedId());
    }
    for (std::size_t i = 0; i < kind.checks.size(); ++i)
        settings.setBits(kind.checks[i].byte, kind.checks[i].bit, 1, checks[i]->isChecked() ? 1 : 0);
    if (kind.lengths)
        settings.setLengthPair(
            kind.lengths->offset, FinishLengthPair(lengthMode->checkedId() == 1, firstValue, secondValue));
    QDialog::accept();
}

} // namespace vosket
