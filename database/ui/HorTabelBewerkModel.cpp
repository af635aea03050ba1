#include "database/ui/HorTabelBewerkModel.h"

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

THorTabelBewerkModel::THorTabelBewerkModel(TPelqTabel& tabel, std::function<bool(int)> bewerkbaar,
                                           QObject* parent)
    : THorTabelModel(tabel, parent), bewerkbaar_(std::move(bewerkbaar)) {}

Qt::ItemFlags THorTabelBewerkModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = THorTabelModel::flags(index);
  if (index.isValid() && !Tabel().AlleenLezen() && bewerkbaar_ && bewerkbaar_(index.column()))
    f |= Qt::ItemIsEditable;
  return f;
}

QVariant THorTabelBewerkModel::data(const QModelIndex& index, int rol) const {
  return THorTabelModel::data(index, rol == Qt::EditRole ? Qt::DisplayRole : rol);
}

bool THorTabelBewerkModel::setData(const QModelIndex& index, const QVariant& waarde, int rol) {
  if (rol != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  TPelqTabel& tabel = Tabel();
  const std::string tekst = waarde.toString().toStdString();
  // An unchanged cell is not written again.
  if (tabel.WaardeOp(index.row(), index.column()).AlsTekst() == tekst) return true;
  if (!tabel.GaNaar(index.row()) || !tabel.Wijzig()) {
    Meldingen().Melding(Vertaal("Opgelet"), tabel.LaatsteFout(), "");
    return false;
  }
  if (!tabel.ZetWaarde(index.column(), TVeldWaarde(tekst)) || !tabel.Post()) {
    const std::string fout = tabel.LaatsteFout();
    tabel.Annuleer();
    Meldingen().Melding(Vertaal("Opgelet"), fout, "");
    return false;
  }
  return true;
}

}  // namespace orvan
