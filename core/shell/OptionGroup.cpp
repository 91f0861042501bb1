#include "shell/OptionGroup.h"

#include <utility>

namespace gauge {

OptionGroup::OptionGroup(std::string name, int count)
    : m_name(std::move(name))
    , m_options(static_cast<std::size_t>(count))
{
}

void OptionGroup::setHandler(Handler handler)
{
    m_handler = std::move(handler);
}

const Option &OptionGroup::option(int index) const
{
    return m_options.at(static_cast<std::size_t>(index));
}

Option &OptionGroup::option(int index)
{
    return m_options.at(static_cast<std::size_t>(index));
}

void OptionGroup::select(int index)
{
    if (!contains(index) || option(index).selected)
        return;
    for (Option &other : m_options)
        other.selected = false;
    option(index).selected = true;
    if (m_handler)
        m_handler(index);
}

void OptionGroup::deselect(int index)
{
    if (contains(index))
        option(index).selected = false;
}

int OptionGroup::selectedIndex() const
{
    for (int i = 0; i < count(); ++i) {
        if (option(i).selected)
            return i;
    }
    return -1;
}

} // namespace gauge
