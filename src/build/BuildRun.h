#pragma once
// A construction run on a worker thread, so that the window stays responsive while it goes on.

#include "build/Engine.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

/**
 * Runs BuildPuzzles on copies of a puzzle and a shape on a thread of its own. The engine's
 * progress calls land here: the latest state is kept under a lock for the window to read, and the
 * window is told through a callback, once per read, that something changed. An abort request is
 * seen by the engine after the attempt in progress, exactly as between attempts on the window
 * thread, so a full run gives the same candidates as BuildPuzzles for the same seed.
 */
class TBuildRun : private TBuildProgress {
public:
    /** What the progress window shows. */
    struct Progress {
        QString StatusLine;
        QString SecondLine;
        /** Attempts finished so far. */
        int AttemptsDone = 0;
        /** Words placed by the best attempt so far. */
        int BestScore = 0;
        /** The run completed and asks for the beep. */
        bool Beep = false;
        /** The engine has returned; Result() holds the candidates. */
        bool Finished = false;
    };

    /** Copies the inputs; earlier supplies the candidate records a run keeps where it stores nothing. */
    TBuildRun(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options, std::uint32_t seed,
              const TBuildResult& earlier);
    /** Asks the engine to stop and waits for it. */
    ~TBuildRun() override;
    TBuildRun(const TBuildRun&) = delete;
    TBuildRun& operator=(const TBuildRun&) = delete;

    /**
     * Starts the worker. changed is called on the worker thread after a change of the progress
     * when the previous change has been read; it must only post a message to the window.
     */
    void Start(std::function<void()> changed);
    /** Asks the engine to stop after the attempt in progress (any thread). */
    void RequestAbort() { m_abortRequested = true; }
    /** The latest progress; once it says Finished the worker has ended. */
    Progress Read();
    /** The candidates of the finished run. */
    const TBuildResult& Result() const { return *m_result; }

private:
    void setStatusLine(const QString& text) override;
    void setSecondLine(const QString& text) override;
    void attemptDone(int attempt, int bestScore) override;
    bool abortRequested() override { return m_abortRequested; }
    void processEvents() override {}
    void beep() override;
    /** Changes the progress under the lock and tells the window. */
    void update(const std::function<void(Progress&)>& change);

    std::unique_ptr<TPuzzleRecord> m_puzzle;
    std::unique_ptr<TShapeRecord> m_shape;
    TBuildOptions m_options;
    std::uint32_t m_seed;
    std::unique_ptr<TBuildResult> m_result;
    std::function<void()> m_changed;
    std::mutex m_lock;
    Progress m_progress;
    std::atomic<bool> m_abortRequested{false};
    std::atomic<bool> m_told{false};
    std::thread m_worker;
};
