#include "ReadingSchedule.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "PlanSource.h"

namespace {

// A chapter in the run being balanced.
struct ChapterAt {
  int book = 0, chapter = 0;
};

// Chapters of the books of one testament (0 for all) that hold at least one verse.
std::vector<ChapterAt> ChaptersOf(const BibleOutline& outline, int testament) {
  std::vector<ChapterAt> chapters;
  for (size_t b = 0; b < outline.books.size(); ++b) {
    const BibleBook& book = outline.books[b];
    if (testament != 0 && book.testament != testament) continue;
    for (size_t c = 0; c < book.chapters.size(); ++c)
      if (!book.chapters[c].verses.empty()) chapters.push_back({static_cast<int>(b), static_cast<int>(c) + 1});
  }
  return chapters;
}

// The passages of chapters[first, end): one per book, whole chapters.
std::vector<Passage> WholeChapters(const BibleOutline& outline, const std::vector<ChapterAt>& chapters, size_t first,
                                   size_t end) {
  std::vector<Passage> passages;
  for (size_t i = first; i < end; ++i) {
    const ChapterAt& at = chapters[i];
    const int lastVerse = outline.books[at.book].chapters[at.chapter - 1].lastVerse;
    if (!passages.empty() && passages.back().book == at.book && passages.back().lastChapter + 1 == at.chapter) {
      passages.back().lastChapter = at.chapter;
      passages.back().lastVerse = lastVerse;
    } else {
      passages.push_back({at.book, at.chapter, 1, at.chapter, lastVerse});
    }
  }
  return passages;
}

// Spreads the chapters of one testament (0: all) over the days, adding to what each day already holds, so
// that each day comes as near as it can to `perDay` verses in all.
void Spread(const BibleOutline& outline, int testament, bool allowEmpty, double perDay, Schedule& days) {
  const std::vector<ChapterAt> chapters = ChaptersOf(outline, testament);
  if (chapters.empty()) return;
  std::vector<int> weights;
  for (const ChapterAt& at : chapters) weights.push_back(CountVerses(outline, at.book, at.chapter, at.chapter));
  std::vector<double> targets;
  for (const ScheduleDay& day : days) {
    int held = 0;
    for (const Passage& p : day.passages) held += CountVerses(outline, p.book, p.firstChapter, p.lastChapter);
    targets.push_back(perDay - held);
  }
  // A text of fewer chapters than the year has days leaves some days without a reading.
  allowEmpty = allowEmpty || chapters.size() < days.size();
  const std::vector<size_t> starts = BalanceChapters(weights, targets, allowEmpty);
  for (size_t d = 0; d < days.size(); ++d) {
    const std::vector<Passage> passages = WholeChapters(outline, chapters, starts[d], starts[d + 1]);
    days[d].passages.insert(days[d].passages.end(), passages.begin(), passages.end());
  }
}

int VerseTotal(const BibleOutline& outline, int testament) {
  int total = 0;
  for (size_t b = 0; b < outline.books.size(); ++b)
    if (testament == 0 || outline.books[b].testament == testament)
      total += CountVerses(outline, static_cast<int>(b), 1, static_cast<int>(outline.books[b].chapters.size()));
  return total;
}

}  // namespace

std::vector<ScheduleDay> DatesOfYear(int year) {
  std::vector<ScheduleDay> dates;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= DaysInMonth(month, year); ++day) dates.push_back({month, day, {}, 0});
  return dates;
}

std::vector<size_t> BalanceChapters(const std::vector<int>& weights, const std::vector<double>& targets,
                                    bool allowEmpty) {
  const size_t n = weights.size();
  const size_t d = targets.size();
  if (d == 0) throw std::invalid_argument("no days to spread the chapters over");
  if (!allowEmpty && n < d) throw std::invalid_argument("fewer chapters than days");
  std::vector<double> prefix(n + 1, 0);
  for (size_t i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + weights[i];
  // Where days tie, the one that keeps the reading nearer the steady pace wins, so days without a reading are
  // spread out, not bunched; the small weight leaves the balance of the days first.
  constexpr double kPaceWeight = 0.01;
  std::vector<double> pace(d + 1, 0);
  for (size_t k = 0; k < d; ++k) pace[k + 1] = pace[k] + targets[k];
  // No day needs more than three times the mean: it bounds the search to a few chapters back.
  const double widest = 3 * prefix[n] / static_cast<double>(d);

  const double inf = std::numeric_limits<double>::infinity();
  // cost[k][c]: least sum of squared deviations with the first c chapters on the first k days.
  std::vector<std::vector<double>> cost(d + 1, std::vector<double>(n + 1, inf));
  std::vector<std::vector<size_t>> from(d + 1, std::vector<size_t>(n + 1, 0));
  cost[0][0] = 0;
  for (size_t k = 1; k <= d; ++k) {
    for (size_t c = allowEmpty ? 0 : k; c <= n; ++c) {
      // Whole chapters [j, c) on day k.
      for (size_t j = c + 1; j-- > 0;) {
        if (j == c && !allowEmpty) continue;
        const double sum = prefix[c] - prefix[j];
        if (j + 1 < c && sum > widest) break;
        if (cost[k - 1][j] == inf) continue;
        const double off = sum - targets[k - 1];
        const double behind = prefix[c] - pace[k];
        const double candidate = cost[k - 1][j] + off * off + kPaceWeight * behind * behind;
        if (candidate < cost[k][c]) {
          cost[k][c] = candidate;
          from[k][c] = j;
        }
      }
    }
  }
  if (cost[d][n] == inf) throw std::invalid_argument("the chapters cannot be spread over the days");
  std::vector<size_t> starts(d + 1);
  starts[d] = n;
  for (size_t k = d; k > 0; --k) starts[k - 1] = from[k][starts[k]];
  return starts;
}

Schedule MakeSchedule(const BibleOutline& outline, ScheduleKind kind, int year) {
  Schedule days = DatesOfYear(year);
  const double perDay = static_cast<double>(VerseTotal(outline, 0)) / static_cast<double>(days.size());
  if (kind == ScheduleKind::WholeBible) {
    Spread(outline, 0, false, perDay, days);
    return days;
  }
  // The New Testament has fewer chapters than a year has days, so some days read none of it; the Old, spread
  // second, fills those days up.
  Spread(outline, 2, true, static_cast<double>(VerseTotal(outline, 2)) / static_cast<double>(days.size()), days);
  Spread(outline, 1, false, perDay, days);
  for (ScheduleDay& day : days)
    std::stable_partition(day.passages.begin(), day.passages.end(),
                          [&](const Passage& p) { return outline.books[p.book].testament == 1; });
  return days;
}
