#include "time_place/ui/GeoKaartVenster.h"

#include <QAction>
#include <QCoreApplication>
#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <vector>

#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/ui/Help.h"
#include "time_place/KonvUtil.h"
#include "time_place/PltsLstMenger.h"

namespace orvan {

namespace {

// The places are read in blocks of this many records.
constexpr std::size_t BlokGrootte = 1024;
// The drawing gives way to user input after this many places. The shipped list holds about
// 138,000 places: yielding after every place would make the drawing itself slow, yielding every
// few thousand keeps the window responsive (a key, a click or closing takes effect at once).
constexpr std::size_t PlaatsenPerBeurt = 4096;

const QColor Grijs(128, 128, 128);

QString Q(const std::string& s) { return QString::fromStdString(s); }

TKaartPunt Punt(QPoint p) { return {p.x(), p.y()}; }

QFont KaartLetter() {
  // "Arial Narrow" on this platform.
  QFont f("Liberation Sans Narrow");
  f.setPointSize(7);
  return f;
}

QAction* MaakAktie(QMenu* menu, const char* naam) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(naam);
  return a;
}

}  // namespace

TGeoKaartForm::TGeoKaartForm(const PlaatsRec* plaats, QWidget* parent, std::string map)
    : QDialog(parent),
      bestand_((map.empty() ? ProgrammaMap() : map) + PlaatsBestandNaam),
      menu_(new QMenu(this)),
      zoomSel_(MaakAktie(menu_, "ZoomSel")),
      zoom2_(MaakAktie(menu_, "Zoom2")),
      wereld_(MaakAktie(menu_, "Wereld")),
      forceerAktie_(MaakAktie(menu_, "ForceerPlaatsnamen")),
      help_(nullptr),
      sluit_(nullptr),
      coordinaten_(new QLineEdit(this)) {
  setObjectName("GeoKaartForm");
  if (plaats) plaats_ = *plaats;
  forceerAktie_->setCheckable(true);
  menu_->addSeparator();
  help_ = MaakAktie(menu_, "Help");
  sluit_ = MaakAktie(menu_, "SluitVenster");
  connect(zoomSel_, &QAction::triggered, this, &TGeoKaartForm::ZoomSelClick);
  connect(zoom2_, &QAction::triggered, this, &TGeoKaartForm::Zoom2Click);
  connect(wereld_, &QAction::triggered, this, &TGeoKaartForm::WereldClick);
  connect(forceerAktie_, &QAction::triggered, this, &TGeoKaartForm::ForceerPlaatsnamenClick);
  connect(help_, &QAction::triggered, this, &TGeoKaartForm::HelpClick);
  connect(sluit_, &QAction::triggered, this, &TGeoKaartForm::SluitVensterClick);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, &TGeoKaartForm::HelpClick);

  coordinaten_->setObjectName("CoordinatenEdit");
  coordinaten_->setReadOnly(true);
  coordinaten_->setFocusPolicy(Qt::NoFocus);   // the arrow keys pan the map
  coordinaten_->setFont(QFont("Liberation Mono", 8));
  coordinaten_->setFixedWidth(coordinaten_->fontMetrics().horizontalAdvance("00N00  000W00") + 12);
  coordinaten_->move(4, 4);

  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(800, 500);
  Labels();
  WerkMenuBij();
}

void TGeoKaartForm::Labels() {
  setWindowTitle(Q(Vertaal("Atlas")));
  zoomSel_->setText(Q(Vertaal("ZoomSel")));
  zoom2_->setText(Q(Vertaal("Zoom2")));
  wereld_->setText(Q(Vertaal("Wereld")));
  forceerAktie_->setText(Q(Vertaal("ForceerPlaatsnamen")));
  help_->setText(Q(Vertaal("Help")));
  sluit_->setText(Q(Vertaal("SluitVenster")));
}

void TGeoKaartForm::WerkMenuBij() {
  zoomSel_->setEnabled(bruikbaar_);
  zoom2_->setEnabled(KanUitzoomen(venster_));
  forceerAktie_->setChecked(forceer_);
}

void TGeoKaartForm::ZetVenster(const TGeoVenster& v) {
  venster_ = v;
  vensterGezet_ = true;
  band_ = slepen_ = bruikbaar_ = false;
  WerkMenuBij();
  update();
  PlanTekenen();
}

void TGeoKaartForm::done(int r) {
  sluiten_ = true;
  QDialog::done(r);
}

void TGeoKaartForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  sluiten_ = false;
  Labels();
  if (!vensterGezet_) {
    venster_ = plaats_ ? VensterOpPlaats(DmInGraden(plaats_->Lengte), DmInGraden(plaats_->Breedte),
                                         width(), height())
                       : WereldVenster;
    vensterGezet_ = true;
    WerkMenuBij();
  }
  PlanTekenen();
}

void TGeoKaartForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  band_ = slepen_ = bruikbaar_ = false;   // the band's pixels belong to the old size
  WerkMenuBij();
  if (isVisible()) PlanTekenen();
}

void TGeoKaartForm::PlanTekenen() {
  if (bezig_) {
    opnieuw_ = true;
    return;
  }
  if (gepland_) return;
  gepland_ = true;
  QTimer::singleShot(0, this, [this] {
    gepland_ = false;
    if (!sluiten_) TekenKaart();
  });
}

void TGeoKaartForm::TekenKaart() {
  if (bezig_) {   // asked again while the map is being drawn (through the event processing)
    opnieuw_ = true;
    return;
  }
  bezig_ = true;
  do {
    opnieuw_ = false;
    afbreken_ = false;
    TekenEenmaal();
  } while (opnieuw_ && !sluiten_);
  bezig_ = false;
  update();
}

void TGeoKaartForm::TekenRaster() {
  const int b = beeld_.width();
  const int h = beeld_.height();
  QPainter p(&beeld_);
  for (const TRasterLijn& l : RasterLijnen(venster_)) {
    QPen pen(l.soort == TRasterSoort::Hoofd ? QColor(Qt::white) : Grijs);
    pen.setStyle(l.soort == TRasterSoort::Fijn ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    if (l.isMeridiaan) {
      const int x = NaarPixel(venster_, l.waarde, venster_.noord, b, h).x;
      p.drawLine(x, 0, x, h - 1);
    } else {
      const int y = NaarPixel(venster_, venster_.west, l.waarde, b, h).y;
      p.drawLine(0, y, b - 1, y);
    }
  }
}

void TGeoKaartForm::TekenGegevenPlaats() {
  if (!plaats_) return;
  const double lengte = DmInGraden(plaats_->Lengte);
  const double breedte = DmInGraden(plaats_->Breedte);
  if (!InVenster(venster_, lengte, breedte)) return;
  const TKaartPunt k = NaarPixel(venster_, lengte, breedte, beeld_.width(), beeld_.height());
  QPainter p(&beeld_);
  p.setFont(KaartLetter());
  p.setPen(Qt::white);
  p.setBrush(Qt::NoBrush);
  p.drawRect(k.x - 3, k.y - 3, 6, 6);
  p.drawText(k.x + 6, k.y + 4, Q(plaats_->Naam));
}

void TGeoKaartForm::TekenEenmaal() {
  if (beeld_.size() != size()) beeld_ = QImage(size(), QImage::Format_RGB32);
  beeld_.fill(Qt::black);
  if (beeld_.isNull()) return;
  TekenRaster();

  const int b = beeld_.width();
  const int h = beeld_.height();
  const bool namen = ToonPlaatsnamen(venster_, forceer_);
  const std::string gegevenZone = plaats_ ? plaats_->Zone : std::string();
  const QFont letter = KaartLetter();

  // The file is read from start to end in blocks, each drawn with a painter of its own; every few
  // thousand places the window shows the map so far and handles pending input. A new view, a
  // resize or a changed option (opnieuw_) starts the drawing again, closing ends it.
  TPlaatsBestandLezer lezer(bestand_);
  std::vector<PlaatsRec> blok;
  std::size_t sindsBeurt = 0;
  while (lezer.LeesBlok(blok, BlokGrootte)) {
    {
      QPainter p(&beeld_);
      p.setFont(letter);
      for (const PlaatsRec& pl : blok) {
        const double lengte = DmInGraden(pl.Lengte);
        const double breedte = DmInGraden(pl.Breedte);
        if (!InVenster(venster_, lengte, breedte)) continue;
        const bool zelfde = plaats_ && IsZelfdeZone(pl.Zone, gegevenZone);
        p.setPen(zelfde ? Qt::green : Qt::red);
        const TKaartPunt k = NaarPixel(venster_, lengte, breedte, b, h);
        p.drawPoint(k.x, k.y);
        if (namen) p.drawText(k.x + 3, k.y + 3, Q(pl.Naam));
      }
    }
    sindsBeurt += blok.size();
    if (sindsBeurt >= PlaatsenPerBeurt) {
      sindsBeurt = 0;
      update();
      QCoreApplication::processEvents();
      if (opnieuw_ || sluiten_) return;
      if (afbreken_) break;   // a mouse button: the map stays as far as it got, with the place
    }
  }
  TekenGegevenPlaats();
}

void TGeoKaartForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.drawImage(0, 0, beeld_);
  if (band_) {
    // The band is drawn over the buffer, never into it: moving it only needs a repaint, where a
    // canvas without a buffer would draw it in not-xor mode to erase it again.
    QPen pen(Qt::red);
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(bandStart_.x, bandStart_.y), QPoint(bandEind_.x, bandEind_.y))
                   .normalized());
  }
}

void TGeoKaartForm::ToonCoordinaten(QPoint pos) {
  double lengte = 0;
  double breedte = 0;
  NaarGeo(venster_, pos.x(), pos.y(), width(), height(), lengte, breedte);
  coordinaten_->setText(Q(GeoKort(GradenInDm(breedte), true) + "  " +
                          GeoKort(GradenInDm(lengte), false)));
}

void TGeoKaartForm::mousePressEvent(QMouseEvent* event) {
  afbreken_ = true;   // a mouse button stops the drawing
  if (event->button() != Qt::LeftButton) {
    QDialog::mousePressEvent(event);
    return;
  }
  band_ = slepen_ = true;
  bruikbaar_ = false;
  bandStart_ = bandEind_ = Punt(event->position().toPoint());
  WerkMenuBij();
  update();
}

void TGeoKaartForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  ToonCoordinaten(pos);
  if (slepen_ && (event->buttons() & Qt::LeftButton)) {
    bandEind_ = RubberbandHoek(bandStart_, Punt(pos), width(), height());
    update();
  }
}

void TGeoKaartForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !slepen_) {
    QDialog::mouseReleaseEvent(event);
    return;
  }
  slepen_ = false;
  bandEind_ = RubberbandHoek(bandStart_, Punt(event->position().toPoint()), width(), height());
  bruikbaar_ = IsBruikbareSelectie(bandStart_, bandEind_);
  WerkMenuBij();
  update();
}

void TGeoKaartForm::contextMenuEvent(QContextMenuEvent* event) {
  WerkMenuBij();
  menu_->popup(event->globalPos());
}

void TGeoKaartForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      reject();
      return;
    case Qt::Key_Left:
      ZetVenster(Pan(venster_, TPanRichting::Links));
      return;
    case Qt::Key_Right:
      ZetVenster(Pan(venster_, TPanRichting::Rechts));
      return;
    case Qt::Key_Up:
      ZetVenster(Pan(venster_, TPanRichting::Omhoog));
      return;
    case Qt::Key_Down:
      ZetVenster(Pan(venster_, TPanRichting::Omlaag));
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TGeoKaartForm::ZoomSelClick() {
  if (!bruikbaar_) return;
  ZetVenster(SelectieVenster(venster_, bandStart_, bandEind_, width(), height()));
}

void TGeoKaartForm::Zoom2Click() {
  if (KanUitzoomen(venster_)) ZetVenster(ZoomUit(venster_));
}

void TGeoKaartForm::WereldClick() { ZetVenster(WereldVenster); }

void TGeoKaartForm::ForceerPlaatsnamenClick() {
  forceer_ = forceerAktie_->isChecked();
  PlanTekenen();
}

void TGeoKaartForm::HelpClick() { ToonHelp(HelpAtlas); }

void TGeoKaartForm::SluitVensterClick() { reject(); }

void ToonAtlas(const PlaatsRec* plaats, QWidget* ouder) {
  TGeoKaartForm form(plaats, ouder);
  form.exec();
}

}  // namespace orvan
