#pragma once

#include "cli/RenderProgress.h"

namespace Cli {

// Tells problems only, for a benchmark's renders.
class QuietProgress : public RenderObserver
{
public:
    void note(const QString&) override {}
    void problem(const QString& text) override;
    void filmStarted(const QString&, std::int64_t, std::int64_t, const Cli::RenderOptions&) override
    {
    }
    void frameStarted(std::int64_t, std::int64_t, double) override {}
    void columnsFinished(int, int) override {}
    void frameSaved(std::int64_t, double, const QString&, double) override {}
    void filmEnded() override {}
    void filmSummary(std::int64_t, std::int64_t) override {}

private:
    Terminal::StderrConsole m_console;
};

} // namespace Cli
