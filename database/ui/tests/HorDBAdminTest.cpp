// The database administration page: labels, the notes on info.txt, the import and export group.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "database/Q4DataModuleUnit.h"
#include "database/ui/HorDBAdmin.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan::test {
namespace {

std::string LeesBestand(const std::string& pad) {
  std::ifstream in(pad);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class HorDBAdminTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartTaal(2));
    const std::string naam = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    map_ = ProgrammaMap() + naam + ".hor/";
    Instellingen.Database = map_;
    Instellingen.RefDatabase = ProgrammaMap() + "referentie.hor/";
    ASSERT_TRUE(dm_.OpenDatabank(map_));
  }

  TOpnameInteraktie interaktie_;
  TQ4DataModule dm_;
  std::string map_;
};

TEST_F(HorDBAdminTest, LabelsNameTheCurrentAndTheReferenceDatabase) {
  TFQ5HorDBAdmin pagina(dm_);
  pagina.Ververs();
  EXPECT_EQ(pagina.DatabankLabel()->text().toStdString(),
            Vertaal("HorDatabase") + ": LabelsNameTheCurrentAndTheReferenceDatabase");
  EXPECT_EQ(pagina.RefDatabankLabel()->text().toStdString(), Vertaal("RefDatabank") + ": referentie");
  EXPECT_FALSE(pagina.ImportStartBtn()->isEnabled());
  EXPECT_FALSE(pagina.ExportStartBtn()->isEnabled());
}

TEST_F(HorDBAdminTest, NotesAreLoadedFromAndWrittenToInfoTxt) {
  const std::string info = map_ + "info.txt";
  std::ofstream(info) << "first notes\nline two";
  TFQ5HorDBAdmin pagina(dm_);
  pagina.Ververs();
  EXPECT_EQ(pagina.NotitieBox()->toPlainText().toStdString(), "first notes\nline two");

  pagina.NotitieBox()->setPlainText("");
  ASSERT_TRUE(pagina.BewaarNotities());
  EXPECT_TRUE(std::filesystem::exists(info)) << "an empty notes box still writes info.txt";
  EXPECT_EQ(LeesBestand(info), "");
}

}  // namespace
}  // namespace orvan::test
