#include "horoscope/ui/Q4KonstellDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QShowEvent>
#include <cstdio>
#include <cstdlib>

#include "horoscope/Q4Konstell.h"
#include "reports/AstroTermen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "time_place/KonvUtil.h"
#include "time_place/PltsTijdRec.h"
#include "time_place/ui/PelqValEdit.h"

namespace orvan {

namespace {

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// The text of a key with its "%d" places filled in order; other text is kept as it stands, so a
// translation can never act as a format string.
std::string VulGetallenIn(std::string tekst, std::initializer_list<int> getallen) {
  std::size_t vanaf = 0;
  for (int g : getallen) {
    const std::size_t p = tekst.find("%d", vanaf);
    if (p == std::string::npos) break;
    const std::string s = std::to_string(g);
    tekst.replace(p, 2, s);
    vanaf = p + s.size();
  }
  return tekst;
}

void VulLijst(QComboBox* lijst, int laatste) {
  for (int i = EersteKeuzeObject; i <= laatste; ++i)
    lijst->addItem(QString::fromStdString(Trim(ObjektNaam(i))), i);
}

}  // namespace

bool LeesHoekDm(const std::string& tekst, double& dm) {
  std::string t = Trim(tekst);
  const std::size_t begin = t.find_first_of("-0123456789");
  if (begin == std::string::npos) return false;
  const bool negatief = t[begin] == '-';   // also for "-0 30"
  std::int32_t graden = 0;
  if (!LeesGetal(t, graden)) return false;
  // Text after the degrees must hold the minutes.
  std::int32_t minuten = 0;
  if (!t.empty() && !LeesGetal(t, minuten)) return false;
  if (minuten < 0 || minuten >= 60) return false;
  const double waarde = std::abs(static_cast<double>(graden)) + minuten / 100.0;
  dm = negatief ? -waarde : waarde;
  return true;
}

TQ4KonstellDlg::TQ4KonstellDlg(bool natalModus, QWidget* parent)
    : TBasisDialoogForm(parent),
      natalModus_(natalModus),
      object1Label_(new QLabel(Inhoud())),
      object1Lijst_(new QComboBox(Inhoud())),
      object2Label_(new QLabel(Inhoud())),
      object2Lijst_(new QComboBox(Inhoud())),
      hoekLabel_(new QLabel(Inhoud())),
      hoekEdit_(new TValEdit(Inhoud())) {
  setObjectName("Q4KonstellDlg");
  ZetHelpContext(HelpKonstellDlg);
  object1Lijst_->setObjectName("Object1Lijst");
  object2Lijst_->setObjectName("Object2Lijst");
  hoekEdit_->setObjectName("HoekEdit");
  VulLijst(object1Lijst_, LaatsteKeuzeObject1);
  VulLijst(object2Lijst_, LaatsteKeuzeObject2);
  object2Lijst_->setMaxVisibleItems(LaatsteKeuzeObject2);
  object1Label_->setBuddy(object1Lijst_);
  object2Label_->setBuddy(object2Lijst_);
  hoekLabel_->setBuddy(hoekEdit_);

  hoekEdit_->OnValidate = [](TValEdit&, const std::string& s, bool& isValid) {
    double dm = 0;
    isValid = LeesHoekDm(s, dm) && KonstellHoekGeldig(DmInGraden(dm));
  };

  auto* layout = new QFormLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addRow(object1Label_, object1Lijst_);
  layout->addRow(hoekLabel_, hoekEdit_);
  layout->addRow(object2Label_, object2Lijst_);
  setTabOrder(object1Lijst_, hoekEdit_);
  setTabOrder(hoekEdit_, object2Lijst_);
  Labels();
}

int TQ4KonstellDlg::Object1() const { return object1Lijst_->currentData().toInt(); }
int TQ4KonstellDlg::Object2() const { return object2Lijst_->currentData().toInt(); }

void TQ4KonstellDlg::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(T(KonstellTitelSleutel));
  hoekLabel_->setText(T(KonstellHoekSleutel) + QStringLiteral(" (°.'):"));
  object2Label_->setText(T(GeboortepositieSleutel) + QStringLiteral(":"));
  object1Label_->setText(T(natalModus_ ? GeboortepositieSleutel : TransitpositieSleutel) +
                         QStringLiteral(":"));
  hoekEdit_->ZetFoutmelding(
      VulGetallenIn(Vertaal(HoekMoetTussenSleutel),
                    {static_cast<int>(KleinsteKonstellHoek), static_cast<int>(GrootsteKonstellHoek)}));
  // The object names follow the language too.
  for (QComboBox* lijst : {object1Lijst_, object2Lijst_})
    for (int i = 0; i < lijst->count(); ++i)
      lijst->setItemText(i, QString::fromStdString(Trim(ObjektNaam(lijst->itemData(i).toInt()))));
}

void TQ4KonstellDlg::showEvent(QShowEvent* event) {
  TBasisDialoogForm::showEvent(event);
  if (event->spontaneous()) return;
  object1Lijst_->setCurrentIndex(0);
  object2Lijst_->setCurrentIndex(0);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%1.2f", GradenInDm(KonstellKeuze().Hoek));
  hoekEdit_->setText(QString::fromLatin1(buf));
  object1Lijst_->setFocus();
}

bool TQ4KonstellDlg::MagSluiten() {
  if (!ControleerAlles(Inhoud())) return false;
  double dm = 0;
  if (!LeesHoekDm(hoekEdit_->Tekst(), dm)) return false;   // checked valid above
  const int o1 = Object1();
  const int o2 = Object2();
  if (OnmogelijkeKombinatie(natalModus_, o1, o2)) {
    Meldingen().Melding(Vertaal("Opgelet"), Vertaal(OnmogelijkeKombSleutel), "");
    return false;
  }
  TKonstellKeuze& keuze = KonstellKeuze();
  keuze.Hoek = DmInGraden(dm);
  keuze.Object1 = static_cast<std::uint8_t>(o1);
  keuze.Object2 = static_cast<std::uint8_t>(o2);
  return true;
}

bool KiesKonstellatie(bool natalModus, QWidget* ouder) {
  TQ4KonstellDlg dlg(natalModus, ouder);
  return dlg.exec() == QDialog::Accepted;
}

}  // namespace orvan
