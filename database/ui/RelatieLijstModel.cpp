#include "database/ui/RelatieLijstModel.h"

#include "database/RelatieLijst.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

TRelatieLijstModel::TRelatieLijstModel(TRelatieLijst& lijst, QObject* parent)
    : QAbstractTableModel(parent), lijst_(lijst) {}

void TRelatieLijstModel::ZetTitel(int kolom, const QString& titel) {
  titels_[kolom] = titel;
  emit headerDataChanged(Qt::Horizontal, kolom, kolom);
}

int TRelatieLijstModel::rowCount(const QModelIndex& ouder) const {
  return ouder.isValid() ? 0 : lijst_.AantalRijen();
}

int TRelatieLijstModel::columnCount(const QModelIndex& ouder) const {
  return ouder.isValid() ? 0 : lijst_.AantalKolommen();
}

QVariant TRelatieLijstModel::data(const QModelIndex& index, int rol) const {
  if (!index.isValid() || (rol != Qt::DisplayRole && rol != Qt::EditRole)) return {};
  const TVeldWaarde w = lijst_.Waarde(index.row(), index.column());
  if (w.IsLeeg()) return QString();
  if (index.column() == RelLijstSelekt) return w.AlsBool();
  return QString::fromStdString(w.AlsTekst());
}

Qt::ItemFlags TRelatieLijstModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && (index.column() == RelLijstKeyWords || index.column() >= RelLijstEersteEigenschap))
    f |= Qt::ItemIsEditable;
  return f;
}

bool TRelatieLijstModel::setData(const QModelIndex& index, const QVariant& waarde, int rol) {
  if (!index.isValid() || rol != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const std::string tekst = waarde.toString().toStdString();
  if (TVeldWaarde(tekst) == lijst_.Waarde(index.row(), index.column()) ||
      (tekst.empty() && lijst_.Waarde(index.row(), index.column()).IsLeeg()))
    return true;  // unchanged: nothing to store
  std::string fout;
  if (!lijst_.WijzigWaarde(index.row(), index.column(), TVeldWaarde(tekst), fout)) {
    Meldingen().Melding(Vertaal("Opgelet"), fout, "");
    return false;
  }
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  return true;
}

bool TRelatieLijstModel::VerwijderRij(int rij, std::string& fout) {
  if (rij < 0 || rij >= rowCount()) return false;
  // The list changes only when the files did; the views hear it either way.
  beginResetModel();
  const bool ok = lijst_.Verwijder(rij, fout);
  endResetModel();
  return ok;
}

QVariant TRelatieLijstModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
  if (rol != Qt::DisplayRole) return {};
  if (richting == Qt::Vertical) return sectie + 1;
  if (const auto it = titels_.find(sectie); it != titels_.end()) return it->second;
  if (sectie >= 0 && sectie < columnCount()) return QString::fromStdString(lijst_.KolomNamen()[sectie]);
  return {};
}

}  // namespace orvan
