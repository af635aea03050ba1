// Data safety: every change is one transaction, so a writer killed in the middle of a large
// change, a full disk or a failed post leave the database as it was, and readable.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "database/DatabankSql.h"
#include "database/DbVerbinding.h"
#include "database/Q4DataModuleUnit.h"
#include "database/WijzigingsBlok.h"
#include "database/tests/DatabankFixture.h"

namespace orvan::test {
namespace {

namespace fs = std::filesystem;

inline constexpr int AantalRecords = 3000;

// Every connection opened from now on gets `haak`; removed at the end of the scope.
class TOpenHaak {
 public:
  explicit TOpenHaak(std::function<void(sqlite3*)> haak) { TDbVerbinding::ZetOpenHaak(std::move(haak)); }
  ~TOpenHaak() { TDbVerbinding::ZetOpenHaak(nullptr); }
};

class VeiligheidTest : public DatabankTest {
 protected:
  void SetUp() override {
    DatabankTest::SetUp();
    TQ4HorTabel t;
    ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));
    ASSERT_TRUE(t.MaakEigenschap("Score"));
    TWijzigingsBlok blok(t);
    ASSERT_TRUE(blok.Begonnen());
    for (int i = 0; i < AantalRecords; ++i) {
      THorData d = Geboorte("Record " + std::to_string(i), 1800 + i % 200, 1 + i % 12, 1 + i % 28);
      d.Info = std::string(200, static_cast<char>('a' + i % 26));
      Bewaar(t, d);
      ASSERT_TRUE(t.SchrijfEigenschap(1, i * 0.25));
    }
    ASSERT_TRUE(blok.Bevestig());
    voor_ = Inhoud(Natal(), "natal");
  }

  // Runs `werk` in a child process that is expected to die by SIGKILL; returns once it has.
  static void InKindDatSterft(const std::function<void()>& werk) {
    std::fflush(nullptr);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      werk();
      _exit(3);   // the work ended without being killed
    }
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the writer was not killed in the middle of its change (status " << status << ")";
  }

  // The database opens, is whole, and holds what it held before the change.
  void OnveranderdEnLeesbaar() {
    TQ4DataModule dm;
    ASSERT_TRUE(dm.OpenDatabank(map_));
    EXPECT_EQ(dm.GebTabel.AantalRecords(), AantalRecords);
    EXPECT_EQ(dm.GebTabel.EigenschapNamen(), std::vector<std::string>{"Score"});
    dm.Sluit();
    EXPECT_FALSE(fs::exists(Natal() + "-journal")) << "the interrupted change was rolled back";
    EXPECT_EQ(Vraag(Natal(), "pragma integrity_check"), "ok");
    EXPECT_EQ(Inhoud(Natal(), "natal"), voor_);
  }

  std::string voor_;
};

TEST_F(VeiligheidTest, AWriterKilledInTheMiddleOfALargeBlockOfPostsChangesNothing) {
  InKindDatSterft([this] {
    TQ4HorTabel t;
    if (!t.Initialiseer(map_, "natal.db", false)) _exit(4);
    // A small page cache makes SQLite write changed pages into the file before the commit, so
    // the kill finds the file itself half-changed and only the journal can restore it.
    sqlite3_exec(t.Handle(), "pragma cache_size = 8", nullptr, nullptr, nullptr);
    t.BeginWijzigingen();
    t.Eerste();
    for (int i = 0; !t.Eof(); ++i, t.Volgende()) {
      t.Wijzig();
      t.ZetWaarde(VeldName, "Changed " + std::to_string(i));
      t.ZetWaarde(VeldInfo, std::string(300, 'z'));
      t.Post();
      if (i == AantalRecords / 2) {
        if (!fs::exists(Natal() + "-journal")) _exit(5);
        kill(getpid(), SIGKILL);
      }
    }
  });
  ASSERT_GT(fs::file_size(Natal() + "-journal"), 0u) << "the kill left a journal to roll back";
  OnveranderdEnLeesbaar();
}

TEST_F(VeiligheidTest, AWriterKilledWhileDroppingAPropertyChangesNothing) {
  InKindDatSterft([this] {
    TQ4DataModule dm;
    if (!dm.OpenDatabank(map_)) _exit(4);
    // The statement that drops the field rewrites every record; the process dies once that
    // rewrite has begun writing.
    static std::string journal;
    journal = Natal() + "-journal";
    TDbVerbinding::ZetOpenHaak([](sqlite3* db) {
      sqlite3_exec(db, "pragma cache_size = 8", nullptr, nullptr, nullptr);
      sqlite3_progress_handler(
          db, 200,
          [](void*) {
            static int naJournal = 0;
            if (fs::exists(journal) && ++naJournal > 20) kill(getpid(), SIGKILL);
            return 0;
          },
          nullptr);
    });
    dm.GebTabel.VerwijderEigenschap("Score");
  });
  ASSERT_TRUE(fs::exists(Natal() + "-journal")) << "the kill left a journal to roll back";
  OnveranderdEnLeesbaar();
}

TEST_F(VeiligheidTest, AFullDiskUndoesTheWholeBlockAndAFailedPostChangesNothing) {
  TOpenHaak haak([](sqlite3* db) {
    // No page may be added to the file: the disk is "full".
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "pragma page_count", -1, &s, nullptr);
    sqlite3_step(s);
    const std::string grens = std::to_string(sqlite3_column_int64(s, 0));
    sqlite3_finalize(s);
    sqlite3_exec(db, ("pragma max_page_count = " + grens).c_str(), nullptr, nullptr, nullptr);
  });
  TQ4HorTabel t;
  ASSERT_TRUE(t.Initialiseer(map_, "natal.db", false));

  {
    TWijzigingsBlok blok(t);
    bool allesGelukt = true;
    for (int i = 0; i < 500 && allesGelukt; ++i) {
      THorData d = Geboorte("Extra " + std::to_string(i), 2000, 1, 1);
      d.Info = std::string(1000, 'x');
      std::int32_t nr = -1;
      allesGelukt = BewaarHorRecord(t, d, -1, nr);
    }
    EXPECT_FALSE(allesGelukt) << "the page limit must make a post fail";
    EXPECT_FALSE(blok.Bevestig());
  }
  EXPECT_EQ(t.AantalRecords(), AantalRecords) << "the view is read again after the undone block";

  ASSERT_TRUE(t.GaNaar(10));
  ASSERT_TRUE(t.Wijzig());
  ASSERT_TRUE(t.ZetWaarde(VeldInfo, std::string(100000, 'y')));
  EXPECT_FALSE(t.Post());
  EXPECT_NE(t.LaatsteFout().find("full"), std::string::npos) << t.LaatsteFout();
  t.Annuleer();
  t.Sluit();
  EXPECT_EQ(Inhoud(Natal(), "natal"), voor_);
  EXPECT_EQ(Vraag(Natal(), "pragma integrity_check"), "ok");
}

TEST_F(VeiligheidTest, EveryChangeIsOneTransaction) {
  std::atomic<int> commits{0};
  static std::atomic<int>* teller = nullptr;
  teller = &commits;
  TOpenHaak haak([](sqlite3* db) {
    sqlite3_commit_hook(
        db, [](void*) { ++*teller; return 0; }, nullptr);
  });
  TQ4DataModule dm;
  ASSERT_TRUE(dm.OpenDatabank(map_));
  TQ4HorTabel& g = dm.GebTabel;
  ASSERT_EQ(Vraag(Natal(), "update natal set Selekt = 0 where InputNr % 3 = 0"), "");

  struct TStap {
    const char* wat;
    std::function<bool()> doe;
  };
  const TStap stappen[] = {
      {"an edit", [&] { return g.GaNaar(5) && g.Wijzig() && g.ZetWaarde(VeldName, "Edited") && g.Post(); }},
      {"an append", [&] {
         std::int32_t nr = -1;
         return BewaarHorRecord(g, Geboorte("New", 1999, 9, 9), -1, nr);
       }},
      {"a delete", [&] { return g.GaNaar(7) && g.Verwijder(); }},
      {"selecting all records again", [&] { return g.SelekteerAlles(); }},
      {"a block of a hundred posts", [&] {
         bool ok = g.BeginWijzigingen();
         for (int i = 0; i < 100 && ok; ++i) ok = g.GaNaar(i) && g.SchrijfEigenschap(1, -i);
         return g.EindeWijzigingen(ok) && ok;
       }},
      {"adding a property", [&] { return g.MaakEigenschap("Another"); }},
      {"dropping a property", [&] { return g.VerwijderEigenschap("Another"); }},
      {"deleting a horoscope with its events and relationships", [&] {
         std::int32_t ev = -1;
         const auto nr = static_cast<std::int32_t>(g.InputNrOp(0));
         return BewaarHorRecord(dm.MomentTabel, Geboorte("Event", 2001, 1, 1), nr, ev) &&
                (commits = 0, dm.VerwijderHoroskoop(nr));
       }},
  };
  for (const auto& stap : stappen) {
    commits = 0;
    EXPECT_TRUE(stap.doe()) << stap.wat << ": " << g.LaatsteFout();
    EXPECT_EQ(commits.load(), 1) << stap.wat;
  }

  // A post that fails commits nothing.
  commits = 0;
  ASSERT_TRUE(g.Voegtoe());
  EXPECT_FALSE(g.Post());
  g.Annuleer();
  EXPECT_EQ(commits.load(), 0);
  teller = nullptr;
}

}  // namespace
}  // namespace orvan::test
