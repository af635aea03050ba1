#pragma once
// What a grid model (a QAbstractTableModel over a table) hears from its table. Positions are
// positions in the table's current view (0 = first record of the current order and filter).
// Each change of the view is announced before and after it happens, so that a model can bracket
// it (beginRemoveRows ... endRemoveRows). While the table's controls are disabled nothing is
// announced; enabling them again announces one reload when anything changed meanwhile.

namespace orvan {

class TTabelWaarnemer {
 public:
  virtual ~TTabelWaarnemer() = default;
  // Everything may change: the records, their order, the fields (a property added or dropped),
  // the open state.
  virtual void VoorHerladen() {}
  virtual void NaHerladen() {}
  virtual void VoorRijWeg(int /*positie*/) {}
  virtual void NaRijWeg() {}
  virtual void VoorRijBij(int /*positie*/) {}
  virtual void NaRijBij() {}
  // The values of the record at a position changed (a post that kept its place).
  virtual void RijGewijzigd(int /*positie*/) {}
  // The current record moved (or its edit state changed): a data source's change notification.
  virtual void HuidigeGewijzigd(int /*positie*/) {}
};

}  // namespace orvan
