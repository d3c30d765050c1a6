#include "ui/AppContext.h"

#include "build/Engine.h"

TBuildResult& AppContext::Candidates()
{
    if (!m_candidates)
        m_candidates = std::make_shared<TBuildResult>();
    return *m_candidates;
}
