#include "gauge/OptionGroup.h"

#include <utility>

namespace gauge {

OptionGroup::OptionGroup(int count, Handler handler)
    : m_count(count)
    , m_handler(std::move(handler))
{
}

void OptionGroup::select(int index)
{
    if (!contains(index) || index == m_selected)
        return;
    m_selected = index;
    if (m_handler)
        m_handler(index);
}

void OptionGroup::deselect(int index)
{
    if (isSelected(index))
        m_selected = NotChosen;
}

} // namespace gauge
