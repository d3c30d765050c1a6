#pragma once

#include <cerrno>
#include <vector>

/**
 * A test seam in the file layer: makes the k-th create, write, sync, truncate, rename or remove
 * fail with a chosen error, so that tests can drive every write path through every failure
 * without root or a full disk. Nothing is armed in the program, where each check is one test of
 * a flag. Not thread-safe, like the rest of the file layer.
 */
namespace FaultInjection {

/** The steps of the file layer that can be made to fail. */
enum class Step { Create, Write, Sync, Truncate, Rename, Remove, Count };

/** Fail the occurrence-th call (1-based, counted from arming) of step with the error number. */
struct Fault {
    Step step = Step::Write;
    int occurrence = 1;
    int error = ENOSPC;
};

/** Arms the given faults and restarts every step's count. */
void arm(const std::vector<Fault>& faults);
/** Removes every fault; counts keep running until the next arm. */
void disarm();
/** Calls of step seen since the last arm, failed ones included. */
int calls(Step step);

/** Called by the file layer before each step: 0 to go ahead, else the error number to fail with. */
int check(Step step);

/** Arms faults for one scope and disarms them when it ends. */
class Scope {
public:
    explicit Scope(const std::vector<Fault>& faults) { arm(faults); }
    ~Scope() { disarm(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

} // namespace FaultInjection
