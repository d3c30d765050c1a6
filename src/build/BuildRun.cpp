#include "build/BuildRun.h"

TBuildRun::TBuildRun(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                     std::uint32_t seed, const TBuildResult& earlier)
    : m_puzzle(std::make_unique<TPuzzleRecord>(puzzle))
    , m_shape(std::make_unique<TShapeRecord>(shape))
    , m_options(options)
    , m_seed(seed)
    , m_result(std::make_unique<TBuildResult>(earlier))
{
}

TBuildRun::~TBuildRun()
{
    m_abortRequested = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TBuildRun::Start(std::function<void()> changed)
{
    m_changed = std::move(changed);
    m_worker = std::thread([this] {
        BuildPuzzles(*m_puzzle, *m_shape, m_options, m_seed, this, *m_result);
        update([](Progress& progress) { progress.Finished = true; });
    });
}

TBuildRun::Progress TBuildRun::Read()
{
    // Cleared before the copy: a change made while copying tells the window once more.
    m_told = false;
    Progress progress;
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        progress = m_progress;
    }
    if (progress.Finished && m_worker.joinable())
        m_worker.join();
    return progress;
}

void TBuildRun::update(const std::function<void(Progress&)>& change)
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        change(m_progress);
    }
    if (!m_told.exchange(true) && m_changed)
        m_changed();
}

void TBuildRun::setStatusLine(const QString& text)
{
    update([&text](Progress& progress) { progress.StatusLine = text; });
}

void TBuildRun::setSecondLine(const QString& text)
{
    update([&text](Progress& progress) { progress.SecondLine = text; });
}

void TBuildRun::attemptDone(int attempt, int bestScore)
{
    update([=](Progress& progress) {
        progress.AttemptsDone = attempt;
        progress.BestScore = bestScore;
    });
}

void TBuildRun::beep()
{
    update([](Progress& progress) { progress.Beep = true; });
}
