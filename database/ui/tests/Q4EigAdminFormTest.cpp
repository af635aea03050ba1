// The property dialog on a database in the program folder: the table choice, creating and deleting
// property fields, and names the store refuses or must quote.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <string>
#include <vector>

#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4EigAdmin.h"
#include "database/Q4HorDBLink.h"
#include "database/ui/HorDBAdmin.h"
#include "database/ui/Q4EigAdminForm.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"
#include "shell/ui/tests/support/Modaal.h"

namespace orvan::test {
namespace {

class Q4EigAdminFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    const std::string naam = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(dm_.OpenDatabank(ProgrammaMap() + naam + ".hor/"));
    ASSERT_TRUE(dm_.MomentTabel.MaakEigenschap("Intensity"));
    form_ = std::make_unique<TQ4EigAdminForm>(dm_);
    // The input box answers from the queue (cancel when it is empty).
    form_->VraagNaam = [this](QWidget*, QString& naam) {
      if (namen_.empty()) return false;
      naam = QString::fromStdString(namen_.front());
      namen_.erase(namen_.begin());
      return true;
    };
  }
  void TearDown() override {
    form_.reset();
    dm_.Sluit();
  }

  std::vector<std::string> Lijst() const {
    std::vector<std::string> l;
    for (int i = 0; i < form_->EigenschapLijst()->count(); ++i)
      l.push_back(form_->EigenschapLijst()->item(i)->text().toStdString());
    return l;
  }

  TOpnameInteraktie interaktie_;
  TQ4DataModule dm_;
  std::unique_ptr<TQ4EigAdminForm> form_;
  std::vector<std::string> namen_;
};

TEST_F(Q4EigAdminFormTest, ChoosingATableListsItsPropertiesAndEnablesDelete) {
  EXPECT_EQ(form_->windowTitle().toStdString(), Vertaal("EigAdmin"));
  EXPECT_EQ(form_->HelpContext(), 3700);
  EXPECT_EQ(form_->MapLabel()->text().toStdString(), dm_.Map());
  EXPECT_EQ(form_->Keuze(), TEigTabel::Geboorte);
  EXPECT_TRUE(Lijst().empty());
  EXPECT_FALSE(form_->VerwijderenBtn()->isEnabled());

  form_->TabelKeuze()->button(static_cast<int>(TEigTabel::Gebeurtenissen))->click();
  EXPECT_EQ(Lijst(), std::vector<std::string>{"Intensity"});
  EXPECT_EQ(form_->EigenschapLijst()->currentRow(), 0) << "the first name is chosen";
  EXPECT_TRUE(form_->VerwijderenBtn()->isEnabled());

  form_->TabelKeuze()->button(static_cast<int>(TEigTabel::Relaties))->click();
  EXPECT_TRUE(Lijst().empty());
  EXPECT_FALSE(form_->VerwijderenBtn()->isEnabled());
}

TEST_F(Q4EigAdminFormTest, CreateAddsTheFieldAndDeleteRemovesItAfterTheQuestion) {
  namen_ = {"Income", "Height"};
  form_->BijmakenBtn()->click();
  form_->BijmakenBtn()->click();
  EXPECT_EQ(Lijst(), (std::vector<std::string>{"Income", "Height"}));
  EXPECT_EQ(form_->EigenschapLijst()->currentItem()->text().toStdString(), "Height") << "the new one is chosen";
  EXPECT_EQ(dm_.GebTabel.EigenschapNamen(), (std::vector<std::string>{"Income", "Height"}));
  EXPECT_EQ(dm_.GebTabel2.EigenschapNamen(), (std::vector<std::string>{"Income", "Height"}))
      << "the second natal table object sees the new field";
  EXPECT_TRUE(interaktie_.meldingen.empty());

  form_->BijmakenBtn()->click();   // the input box cancelled: nothing happens
  EXPECT_EQ(Lijst().size(), 2u);

  struct Geval {
    const char* naam;
    TAntwoord antwoord;
    std::vector<std::string> verwacht;
  };
  const Geval gevallen[] = {
      {"no keeps the field", TAntwoord::Nee, {"Income", "Height"}},
      {"cancel keeps the field", TAntwoord::Annuleer, {"Income", "Height"}},
      {"yes drops it", TAntwoord::Ja, {"Income"}},
  };
  for (const Geval& g : gevallen) {
    interaktie_.meldingen.clear();
    interaktie_.antwoorden = {g.antwoord};
    form_->EigenschapLijst()->setCurrentRow(1);
    form_->VerwijderenBtn()->click();
    ASSERT_EQ(interaktie_.meldingen.size(), 1u) << g.naam;
    EXPECT_EQ(interaktie_.meldingen[0].tekst, VulIn(Vertaal("BentUZekerVerwEig"), "Height")) << g.naam;
    EXPECT_EQ(interaktie_.meldingen[0].titel, Vertaal("Opgelet")) << g.naam;
    EXPECT_EQ(interaktie_.meldingen[0].helpSleutel, "EigenschBijHor") << g.naam;
    EXPECT_EQ(Lijst(), g.verwacht) << g.naam;
    EXPECT_EQ(dm_.GebTabel.EigenschapNamen(), g.verwacht) << g.naam;
  }
}

TEST_F(Q4EigAdminFormTest, ARefusedNameShowsTheStoresMessageAndTheErrorAndChangesNothing) {
  namen_ = {"Income"};
  form_->BijmakenBtn()->click();
  struct Geval {
    const char* naam;
    std::string eigenschap;
  };
  const Geval gevallen[] = {
      {"empty", ""},
      {"blanks only", "   "},
      {"an existing property", "income"},
      {"a fixed field", "Name"},
  };
  for (const Geval& g : gevallen) {
    interaktie_.meldingen.clear();
    namen_ = {g.eigenschap};
    form_->BijmakenBtn()->click();
    ASSERT_EQ(interaktie_.meldingen.size(), 2u) << g.naam;
    EXPECT_FALSE(interaktie_.meldingen[0].tekst.empty()) << g.naam << ": the store's message first";
    EXPECT_EQ(interaktie_.meldingen[1].tekst, FoutMaakEigenschap) << g.naam;
    EXPECT_EQ(Lijst(), std::vector<std::string>{"Income"}) << g.naam;
    EXPECT_EQ(dm_.GebTabel.EigenschapNamen(), std::vector<std::string>{"Income"}) << g.naam;
  }
}

TEST_F(Q4EigAdminFormTest, AHostileNameBecomesAPropertyAndNothingElse) {
  const std::string naam = "x\" NUMERIC); DROP TABLE natal; --";
  std::int32_t nr = -1;
  THorData d;
  d.Name = "Anna";
  ASSERT_TRUE(BewaarHorRecord(dm_.GebTabel, d, -1, nr));
  namen_ = {naam};
  form_->BijmakenBtn()->click();
  EXPECT_EQ(Lijst(), std::vector<std::string>{naam});
  ASSERT_TRUE(dm_.GebTabel.ZoekInputNr(nr)) << "the natal table and its record are still there";
  EXPECT_EQ(dm_.GebTabel.Waarde(VeldName).AlsTekst(), "Anna");
  ASSERT_TRUE(dm_.GebTabel.SchrijfEigenschap(1, 3.0));
  double w = 0;
  ASSERT_TRUE(dm_.GebTabel.LeesEigenschap(1, w));
  EXPECT_DOUBLE_EQ(w, 3.0);

  interaktie_.antwoorden = {TAntwoord::Ja};
  form_->VerwijderenBtn()->click();
  EXPECT_TRUE(Lijst().empty());
  EXPECT_EQ(dm_.GebTabel.AantalInTabel(), 1);
}

TEST_F(Q4EigAdminFormTest, TheAdministrationPageOpensTheDialogAndReportsOK) {
  TFQ5HorDBAdmin pagina(dm_);
  pagina.Ververs();
  int gewijzigd = 0;
  pagina.EigenschappenGewijzigd = [&] { ++gewijzigd; };
  ASSERT_TRUE(pagina.EigenschappenBtn()->isEnabled());
  std::string titel;
  BijModaalVenster([&](QWidget* w) {
    ASSERT_NE(w, nullptr);
    titel = w->windowTitle().toStdString();
    if (auto* dlg = qobject_cast<TQ4EigAdminForm*>(w)) dlg->OKBtn()->click();
  });
  pagina.EigenschappenBtn()->click();
  EXPECT_EQ(titel, Vertaal("EigAdmin"));
  EXPECT_EQ(gewijzigd, 1);
}

}  // namespace
}  // namespace orvan::test
