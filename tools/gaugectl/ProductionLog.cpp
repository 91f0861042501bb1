#include "ProductionLog.h"

#include "Console.h"
#include "JsonText.h"
#include "Texts.h"

#include <cstdio>
#include <utility>

gauge::Result<std::unique_ptr<ProductionLog>>
ProductionLog::open(const std::string &path, std::function<bool()> giveUp,
                    std::chrono::milliseconds lockPatience)
{
    auto file = LogFile::open(path);
    if (!file)
        return file.error();
    return std::unique_ptr<ProductionLog>(
        new ProductionLog(path, std::move(file).value(), std::move(giveUp), lockPatience));
}

ProductionLog::ProductionLog(std::string path, std::unique_ptr<LogFile> file,
                             std::function<bool()> giveUp, std::chrono::milliseconds lockPatience)
    : m_path(std::move(path))
    , m_file(std::move(file))
    , m_giveUp(std::move(giveUp))
    , m_lockPatience(lockPatience)
{
}

gauge::Status ProductionLog::append(const QJsonObject &line)
{
    if (const gauge::Status held = holdForNextLine(); !held)
        return held;
    const gauge::Status written = write(json::line(line));
    if (std::exchange(m_held, false))
        m_file->unlock();
    if (!written)
        return written;
    if (m_file->isRegularFile() && m_file->naming(m_path) == LogFile::Naming::Removed)
        return gauge::Failure {text::LogRemoved};
    return {};
}

// Stations sharing a log on a network folder, where appending alone does not keep writers apart,
// take turns.
gauge::Status ProductionLog::holdForNextLine()
{
    if (m_held || !m_file->isRegularFile())
        return {};
    if (const gauge::Status locked = m_file->lock(m_lockPatience, m_giveUp); !locked)
        return locked;
    m_held = true;
    return {};
}

gauge::Status ProductionLog::write(const std::string &text)
{
    const bool regularFile = m_file->isRegularFile();
    const gauge::Result<std::uint64_t> before = regularFile ? m_file->size() : std::uint64_t {0};
    if (!before)
        return before.error();
    const gauge::Result<std::size_t> written = m_file->append(text);
    if (written && written.value() == text.size())
        return regularFile ? m_file->sync() : gauge::Status();
    if (!written)
        return written.error();
    // A line cut short is taken back while the lock is still held; where that cannot be done,
    // it is at least ended, so the next line starts a line of its own.
    if (written.value() > 0 && (!regularFile || !m_file->cutBackTo(before.value()))) {
        [[maybe_unused]] const auto ended = m_file->append("\n");
    }
    return gauge::Failure {text::LineCutShort};
}

// A log removed would take the next lines nowhere anyone can read; one renamed (rotated) would
// take them where no one looks for them.
gauge::Result<void, LogFile::Naming> ProductionLog::stillNamed() const
{
    const LogFile::Naming naming
        = m_file->isRegularFile() ? m_file->naming(m_path) : LogFile::Naming::Same;
    if (naming != LogFile::Naming::Same)
        return naming;
    return {};
}

void sayNoFurtherGauge(const ProductionLog &log, const gauge::Failure &why)
{
    std::fprintf(stderr, text::NoFurtherGauge, printable(log.path()).c_str(), why.reason.c_str());
}

void sayNoFurtherGauge(const ProductionLog &log, LogFile::Naming naming)
{
    const std::string path = printable(log.path());
    switch (naming) {
    case LogFile::Naming::Removed:
        sayNoFurtherGauge(log, gauge::Failure {text::LogRemoved});
        return;
    case LogFile::Naming::Renamed:
        std::fprintf(stderr, text::LogRenamed, path.c_str(), "");
        return;
    case LogFile::Naming::Replaced:
        std::fprintf(stderr, text::LogRenamed, path.c_str(),
                     formatted(text::NameLeadsElsewhere, path.c_str()).c_str());
        return;
    case LogFile::Naming::Same:
        return;
    }
}
