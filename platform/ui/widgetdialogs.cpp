#include "platform/ui/widgetdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {
namespace {

    QMessageBox::StandardButtons standardButtons(Buttons buttons)
    {
        switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        }
        return QMessageBox::Ok;
    }

    QMessageBox::Icon messageIcon(Icon icon)
    {
        switch (icon) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        }
        return QMessageBox::NoIcon;
    }

    Answer answerOf(int button)
    {
        switch (button) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    // A box sizes itself to its text alone, so a short text leaves its title to be cut to "…" by
    // the window's frame: keep room for the title, the frame's icon and its buttons.
    void keepTitleVisible(QMessageBox& box)
    {
        constexpr int frameAllowance = 160;
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + frameAllowance;
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
    }

} // namespace

Answer WidgetDialogs::message(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    QMessageBox box(messageIcon(icon), title, text, standardButtons(buttons), QApplication::activeWindow());
    keepTitleVisible(box);
    return answerOf(box.exec());
}

std::optional<QString> WidgetDialogs::input(
    const QString& prompt, const QString& title, const QString& preset)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString WidgetDialogs::openFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString WidgetDialogs::saveFileName(
    const QString& title, const QString& folder, const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(QApplication::activeWindow(), title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace platform
