#include "window/list_lines_model.h"

namespace banknotes {

void ListLinesModel::Reset(const ListBox& lines) {
  beginResetModel();
  lines_ = lines;
  endResetModel();
}

int ListLinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.lines().size());
}

QVariant ListLinesModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
      (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
    return {};
  return QString::fromStdString(lines_.lines()[static_cast<std::size_t>(index.row())]);
}

}  // namespace banknotes
