#include "gauge/CoefficientTable.h"

#include "gauge/CurveData.h"
#include "wire/CoefficientEncoding.h"

namespace gauge {

CoefficientTable::Entry CoefficientTable::entry(int gaugeType, int unitIndex, int senderIndex) const
{
    if (!inRange(gaugeType, unitIndex, senderIndex))
        return {};
    return m_entries[position(gaugeType, unitIndex, senderIndex)];
}

bool CoefficientTable::setEntry(int gaugeType, int unitIndex, int senderIndex, const Entry &words)
{
    if (!inRange(gaugeType, unitIndex, senderIndex))
        return false;
    m_entries[position(gaugeType, unitIndex, senderIndex)] = words;
    return true;
}

bool CoefficientTable::inRange(int gaugeType, int unitIndex, int senderIndex)
{
    return gaugeType >= 0 && gaugeType < GaugeTypeCount && unitIndex >= 0 && unitIndex < UnitCount
        && senderIndex >= 0 && senderIndex < SenderCount;
}

// The gauge type runs fastest, as in the firmware documentation's element numbering.
int CoefficientTable::position(int gaugeType, int unitIndex, int senderIndex)
{
    return gaugeType + GaugeTypeCount * (unitIndex + UnitCount * senderIndex);
}

void buildCoefficientTable(CoefficientTable &table)
{
    for (const CurveSet &set : curveSets()) {
        for (const CurveRow &row : set.rows) {
            CoefficientTable::Entry words {};
            for (std::size_t k = 0; k < row.coefficients.size(); ++k) {
                const wire::CoefficientWords encoded = wire::encodeCoefficient(row.coefficients[k]);
                words[2 * k] = encoded.integer;
                words[2 * k + 1] = encoded.fraction;
            }
            for (int gaugeType : set.gaugeTypes) {
                for (int unit : set.unitIndexes)
                    table.setEntry(gaugeType, unit, row.sender, words);
            }
        }
    }
}

} // namespace gauge
