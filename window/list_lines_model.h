#pragma once

#include <QAbstractListModel>

#include "logic/form/form_state.h"

namespace banknotes {

// The content of the window's list: the form's lines themselves, shared, not
// copied. A line becomes a QString only when the view asks to show it. It holds
// nothing else and does no work of the form's.
class ListLinesModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  const ListBox& lines() const { return lines_; }
  // Takes the lines over; the view starts again from the first, nothing selected.
  void Reset(const ListBox& lines);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  ListBox lines_;
};

}  // namespace banknotes
