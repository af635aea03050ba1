#include "database/ui/HorTabelModel.h"

namespace orvan {

THorTabelModel::THorTabelModel(TPelqTabel& tabel, QObject* parent)
    : QAbstractTableModel(parent), tabel_(tabel) {
  tabel_.VoegWaarnemerToe(this);
}

THorTabelModel::~THorTabelModel() { tabel_.VerwijderWaarnemer(this); }

void THorTabelModel::ZetTitel(int veld, const QString& titel) {
  titels_[veld] = titel;
  emit headerDataChanged(Qt::Horizontal, veld, veld);
}

int THorTabelModel::rowCount(const QModelIndex& ouder) const {
  if (ouder.isValid() || !tabel_.IsOpen()) return 0;
  return tabel_.AantalRecords();
}

int THorTabelModel::columnCount(const QModelIndex& ouder) const {
  if (ouder.isValid() || !tabel_.IsOpen()) return 0;
  return tabel_.AantalVelden();
}

QVariant THorTabelModel::data(const QModelIndex& index, int rol) const {
  if (!index.isValid() || rol != Qt::DisplayRole || index.row() >= rowCount() ||
      index.column() >= columnCount())
    return {};
  const TVeldWaarde w = tabel_.WaardeOp(index.row(), index.column());
  if (w.IsLeeg()) return QString();
  if (tabel_.Veld(index.column()).soort == TVeldSoort::Boolean) return w.AlsBool();
  return QString::fromStdString(w.AlsTekst());
}

QVariant THorTabelModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
  if (rol != Qt::DisplayRole) return {};
  if (richting == Qt::Vertical) return sectie + 1;
  if (const auto it = titels_.find(sectie); it != titels_.end()) return it->second;
  if (sectie >= 0 && sectie < columnCount()) return QString::fromStdString(tabel_.Veld(sectie).naam);
  return {};
}

void THorTabelModel::VoorHerladen() { beginResetModel(); }
void THorTabelModel::NaHerladen() { endResetModel(); }
void THorTabelModel::VoorRijWeg(int positie) { beginRemoveRows({}, positie, positie); }
void THorTabelModel::NaRijWeg() { endRemoveRows(); }
void THorTabelModel::VoorRijBij(int positie) { beginInsertRows({}, positie, positie); }
void THorTabelModel::NaRijBij() { endInsertRows(); }

void THorTabelModel::RijGewijzigd(int positie) {
  emit dataChanged(index(positie, 0), index(positie, std::max(0, columnCount() - 1)));
}

void THorTabelModel::HuidigeGewijzigd(int positie) { emit HuidigeVerplaatst(positie); }

}  // namespace orvan
