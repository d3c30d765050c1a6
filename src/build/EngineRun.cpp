#include "build/EngineRun.h"

#include "store/Ansi.h"

namespace EngineRun {

TWordLetters PrepareLetters(const AnsiString<Limits::WordLength>& word)
{
    TWordLetters letters;
    for (int k = 0; k < word.length(); ++k) {
        const auto c = static_cast<std::uint8_t>(word.Chars[std::size_t(k)]);
        if (c != ' ')
            letters.Letters[std::size_t(letters.Length++)] = Ansi::UpCaseLatin1(c);
    }
    return letters;
}

namespace {

/** Puts an attempt with this score into the first slot it beats; ties never displace. */
void RankAttempt(int score, TAttemptMaker& maker, TBuildResult& result)
{
    int slot = 0;
    while (slot < Limits::CandidateSlots && score <= result.CandidateScores[std::size_t(slot)])
        ++slot;
    if (slot == Limits::CandidateSlots)
        return;
    for (int k = Limits::CandidateSlots - 1; k > slot; --k) {
        const auto to = std::size_t(k);
        const auto from = std::size_t(k - 1);
        result.Candidates[to] = result.Candidates[from];
        result.CandidateScores[to] = result.CandidateScores[from];
        result.CandidatePlacedFlags[to] = result.CandidatePlacedFlags[from];
    }
    maker.storeAttempt(result.Candidates[std::size_t(slot)], result.CandidatePlacedFlags[std::size_t(slot)]);
    result.CandidateScores[std::size_t(slot)] = score;
}

QString AttemptText(const char* prefix, int attempt)
{
    return QLatin1String(prefix) + QString::number(attempt);
}

} // namespace

void RunAttempts(const TBuildOptions& options, int wordCount, TBuildProgress* progress, TAttemptMaker& maker,
                 TBuildResult& result)
{
    const int attempts = std::clamp(options.Attempts, Limits::MinAttempts, Limits::MaxAttempts);
    TBuildProgress* window = attempts > 1 ? progress : nullptr;
    result.CandidateScores.fill(0);
    bool aborted = false;
    int attempt = 0;
    do {
        ++attempt;
        if (window) {
            window->setStatusLine(AttemptText("Creation Attempt #", attempt));
            window->processEvents();
        }
        RankAttempt(maker.makeAttempt(), maker, result);
        // Four attempts that placed every word cannot be beaten: end the run after this one.
        if (result.CandidateScores[Limits::CandidateSlots - 1] == wordCount)
            attempt = attempts;
        if (window) {
            window->attemptDone(attempt, result.CandidateScores[0]);
            window->processEvents();
            aborted = window->abortRequested();
            window->processEvents();
        }
    } while (attempt < attempts && !aborted);

    if (window) {
        if (aborted) {
            window->setStatusLine(AttemptText("Aborted on creation Attempt #", attempt));
        } else {
            window->setStatusLine(AttemptText("Creation Attempt #", attempt));
            window->setSecondLine(QStringLiteral("Completed"));
            window->beep();
        }
    }
    result.Aborted = aborted;
    result.LastAttempt = attempt;
}

} // namespace EngineRun
