#include "store/FaultInjection.h"

#include <array>
#include <vector>

namespace FaultInjection {

namespace {

struct State {
    bool armed = false;
    std::vector<Fault> faults;
    std::array<int, std::size_t(Step::Count)> calls{};
};

State& state()
{
    static State s;
    return s;
}

} // namespace

void arm(const std::vector<Fault>& faults)
{
    State& s = state();
    s.faults = faults;
    s.calls.fill(0);
    s.armed = true;
}

void disarm()
{
    state().faults.clear();
}

int calls(Step step)
{
    return state().calls[std::size_t(step)];
}

int check(Step step)
{
    State& s = state();
    if (!s.armed)
        return 0;
    const int call = ++s.calls[std::size_t(step)];
    for (const Fault& fault : s.faults) {
        if (fault.step == step && fault.occurrence == call)
            return fault.error;
    }
    return 0;
}

} // namespace FaultInjection
