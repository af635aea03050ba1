#pragma once
// A grid model over a horoscope table whose chosen fields can be edited in the grid: the keywords
// grid and the property grid of the selection pages. An edit is written when the cell's editor
// closes (the user leaves the cell): the record becomes the table's current record, is edited,
// the value set and posted, which writes it in one transaction. A value the field cannot hold
// (a text in a numeric property) is refused with the table's message and nothing is written.

#include <functional>

#include "database/ui/HorTabelModel.h"

namespace orvan {

class THorTabelBewerkModel : public THorTabelModel {
  Q_OBJECT

 public:
  // `bewerkbaar` says by field number which columns can be edited.
  THorTabelBewerkModel(TPelqTabel& tabel, std::function<bool(int veld)> bewerkbaar,
                       QObject* parent = nullptr);

  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& waarde, int rol = Qt::EditRole) override;

 private:
  std::function<bool(int)> bewerkbaar_;
};

}  // namespace orvan
