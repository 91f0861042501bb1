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
    const auto started = std::chrono::steady_clock::now();
    bool told = false;
    const auto waitedLong = [&] {
        if (!told && std::chrono::steady_clock::now() - started >= LockNoticeAfter) {
            told = true;
            std::fprintf(stderr, text::WaitingForLogLock, printable(m_path).c_str());
        }
        return m_giveUp && m_giveUp();
    };
    if (const gauge::Status locked = m_file->lock(m_lockPatience, waitedLong); !locked)
        return locked;
    m_held = true;
    return {};
}

gauge::Status ProductionLog::write(const std::string &line)
{
    const bool regularFile = m_file->isRegularFile();
    const gauge::Result<std::uint64_t> before = regularFile ? m_file->size() : std::uint64_t {0};
    if (!before)
        return before.error();
    // A station that lost its power mid-line left the file ending in a fragment, which would
    // swallow this line: the line starts on a line of its own, and the fragment stays, for the
    // summary to count as broken. Decided under the lock, so every station sees the same end.
    const gauge::Result<bool> endsLine = regularFile ? m_file->endsLine(before.value()) : true;
    if (!endsLine)
        return endsLine.error();
    const std::string text = endsLine.value() ? line : "\n" + line;
    const gauge::Result<std::size_t> written = m_file->append(text);
    if (written && written.value() == text.size())
        return regularFile ? m_file->sync() : gauge::Status();
    // Whatever the write answered, the part of the line it left is taken back while the lock is
    // still held: a write to a network folder can fail after some of it arrived. Where that
    // cannot be done, the part is at least ended, so that the summary counts it as broken rather
    // than as a line a station is still writing.
    const bool partLeft = regularFile ? !takeBack(before.value()) : written && written.value() > 0;
    if (partLeft) {
        [[maybe_unused]] const auto ended = m_file->append("\n");
    }
    return written ? gauge::Failure {text::LineCutShort} : written.error();
}

bool ProductionLog::takeBack(std::uint64_t size)
{
    const gauge::Result<std::uint64_t> now = m_file->size();
    if (now && now.value() <= size)
        return true;
    return bool(m_file->cutBackTo(size));
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
