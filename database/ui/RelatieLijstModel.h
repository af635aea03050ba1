#pragma once
// A grid model over the relationship list: one row per relationship of the list, one column per
// column of its query (RelatieLijst.h). The keywords and the property columns are editable; every
// accepted edit is stored at once (one transaction), a refused one shows why and keeps the value.

#include <QAbstractTableModel>
#include <QString>
#include <map>

namespace orvan {

class TRelatieLijst;

class TRelatieLijstModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TRelatieLijstModel(TRelatieLijst& lijst, QObject* parent = nullptr);

  TRelatieLijst& Lijst() const { return lijst_; }
  // The title of a column (the column name when none is set).
  void ZetTitel(int kolom, const QString& titel);
  // Around a change of the whole list (reading it again, adding a relationship).
  void BeginHerladen() { beginResetModel(); }
  void EindHerladen() { endResetModel(); }
  // Removes row `rij` from the list and the files; false (the reason in `fout`) when refused.
  bool VerwijderRij(int rij, std::string& fout);

  int rowCount(const QModelIndex& ouder = QModelIndex()) const override;
  int columnCount(const QModelIndex& ouder = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& waarde, int rol = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int sectie, Qt::Orientation richting, int rol = Qt::DisplayRole) const override;

 private:
  TRelatieLijst& lijst_;
  std::map<int, QString> titels_;
};

}  // namespace orvan
