#pragma once

#include "wire/WireFormat.h"

#include <array>
#include <cstddef>

namespace gauge {

// Encoded sender curves, addressed by gauge type (0..10), unit index (0..10) and sender index
// (0..20). An entry holds the integer and fraction word of c1, then of c2, c3 and c4. Entries
// that no curve fills read as eight zero words, and so does any index outside the table: a
// lookup never reaches memory the table does not own.
class CoefficientTable
{
public:
    static constexpr int GaugeTypeCount = 11;
    static constexpr int UnitCount = 11;
    static constexpr int SenderCount = 21;

    using Entry = wire::CurveWords;

    Entry entry(int gaugeType, int unitIndex, int senderIndex) const;

    // Returns false, storing nothing, when an index lies outside the table.
    bool setEntry(int gaugeType, int unitIndex, int senderIndex, const Entry &words);

private:
    static bool inRange(int gaugeType, int unitIndex, int senderIndex);
    static int position(int gaugeType, int unitIndex, int senderIndex);

    static constexpr std::size_t EntryCount
        = std::size_t {GaugeTypeCount} * std::size_t {UnitCount} * std::size_t {SenderCount};

    std::array<Entry, EntryCount> m_entries {};
};

// Fills the table from the built-in curve data.
void buildCoefficientTable(CoefficientTable &table);

} // namespace gauge
