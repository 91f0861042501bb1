#pragma once

#include "gauge/Options.h"

#include <functional>

namespace gauge {

// A group of mutually exclusive options addressed by index, at most one of them selected. The
// selection rule lives here and nowhere else: selecting an option that is not selected marks it,
// clears the others and runs the group's handler with the index; selecting an option that is
// already selected, and deselecting, run nothing. A technician's choice and a selection made by
// the setup itself both come through select(), which is what ends the mutual calls between the
// supply voltage handler and the gauge type setup.
class OptionGroup
{
public:
    using Handler = std::function<void(int index)>;

    OptionGroup(int count, Handler handler);

    bool contains(int index) const { return index >= 0 && index < m_count; }

    // Indexes outside the group are ignored.
    void select(int index);
    void deselect(int index);
    void deselectAll() { m_selected = NotChosen; }

    // The selected option's index, or NotChosen.
    int selected() const { return m_selected; }
    bool isSelected(int index) const { return index == m_selected && contains(index); }

private:
    int m_count;
    int m_selected = NotChosen;
    Handler m_handler;
};

} // namespace gauge
