#pragma once
// A grid model over a horoscope table: one row for each record of the table's current view (in
// the order of its index, restricted by its filter), one column for each field by field number.
// The model follows the table through its observer interface, so that a grid shows every change
// of the view. Read-only; the titles of the columns are set by the page that shows the grid.

#include <QAbstractTableModel>
#include <QString>
#include <map>

#include "database/PelqTabel.h"
#include "database/TabelWaarnemer.h"

namespace orvan {

class THorTabelModel : public QAbstractTableModel, private TTabelWaarnemer {
  Q_OBJECT

 public:
  explicit THorTabelModel(TPelqTabel& tabel, QObject* parent = nullptr);
  ~THorTabelModel() override;

  TPelqTabel& Tabel() const { return tabel_; }
  // The title of field `veld` (the field name when none is set).
  void ZetTitel(int veld, const QString& titel);

  int rowCount(const QModelIndex& ouder = QModelIndex()) const override;
  int columnCount(const QModelIndex& ouder = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;
  QVariant headerData(int sectie, Qt::Orientation richting, int rol = Qt::DisplayRole) const override;

 signals:
  // The table's current record moved to `positie` (-1: none).
  void HuidigeVerplaatst(int positie);

 private:
  void VoorHerladen() override;
  void NaHerladen() override;
  void VoorRijWeg(int positie) override;
  void NaRijWeg() override;
  void VoorRijBij(int positie) override;
  void NaRijBij() override;
  void RijGewijzigd(int positie) override;
  void HuidigeGewijzigd(int positie) override;

  TPelqTabel& tabel_;
  std::map<int, QString> titels_;
};

}  // namespace orvan
