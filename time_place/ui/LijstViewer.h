#pragma once
// The one-line list browser: a read-only edit in a fixed-pitch font that shows one entry of a
// sorted list. Typed characters and the keys Backspace, Left, Home, Up, Down, Right, End, Insert
// and Ctrl+Delete go to its model (time_place/ListMeng.h); the line shows the matched part of the
// current entry selected, deleted entries in red, and beeps when the typed prefix is full.

#include <QLineEdit>
#include <memory>
#include <optional>

#include "time_place/ListMeng.h"

class QFocusEvent;
class QKeyEvent;

namespace orvan {

class TLijstViewer : public QLineEdit {
  Q_OBJECT

 public:
  explicit TLijstViewer(QWidget* parent = nullptr);
  ~TLijstViewer() override;

  // The model; every browser has one from its constructor on.
  TLijstViewerModel& Model() const { return *model_; }

  // The browser key of a key event (Ctrl+Delete for the deletion mark), if it is one.
  static std::optional<TLijstToets> BrowserToets(const QKeyEvent& event);

 signals:
  // The line was shown again (after typing, a key, a move or a change of the list).
  void Getoond();

 protected:
  // Takes the model, connects its redraw and beep and shows its line.
  void ZetModel(std::unique_ptr<TLijstViewerModel> model);

  // A browser key: by default the model's key-down handling.
  virtual void Toets(TLijstToets toets);
  // A typed character (one code point, UTF-8): its folded letters are typed one by one, so that a
  // typed "ü" counts as U; any other character goes to the model as it is.
  virtual void TypTeken(const std::string& teken);
  // Shows the model's line with its matched part selected; red for a deleted entry.
  virtual void ToonRegel();
  // Shows a line of its own (not an entry of the list), nothing selected, in black.
  void ToonTekst(const std::string& regel);

  void keyPressEvent(QKeyEvent* event) override;
  // Coming into the browser by mouse or Tab starts a new name: the user types the place from its
  // first letter instead of extending the name shown (Backspace still shortens that one).
  void focusInEvent(QFocusEvent* event) override;

 private:
  void ZetKleur(bool gewist);

  std::unique_ptr<TLijstViewerModel> model_;
};

}  // namespace orvan
