#pragma once
// "确定" and "取消" of the generator's dialogs, wired to accept and reject.
#include <QDialogButtonBox>

class QDialog;

namespace vosket {

QDialogButtonBox* OkCancelButtons(QDialog* dialog);

} // namespace vosket
