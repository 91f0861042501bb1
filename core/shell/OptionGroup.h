#pragma once

#include <functional>
#include <string>
#include <vector>

namespace gauge {

struct Option
{
    std::string caption;
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
    bool selected = false;
};

// A set of mutually exclusive option buttons addressed by index. The selection rule lives here
// and nowhere else: selecting an option that is not selected marks it, clears the others and
// runs the group's handler with the index; selecting an option that is already selected, and
// deselecting, run nothing. A user's click and a selection made by code both come through
// select(), which is what ends the mutual calls between the supply voltage handler and the
// gauge type selection.
class OptionGroup
{
public:
    using Handler = std::function<void(int index)>;

    OptionGroup(std::string name, int count);

    void setHandler(Handler handler);

    const std::string &name() const { return m_name; }
    int count() const { return static_cast<int>(m_options.size()); }
    bool contains(int index) const { return index >= 0 && index < count(); }

    const Option &option(int index) const;
    Option &option(int index);

    // Indexes outside the group are ignored.
    void select(int index);
    void deselect(int index);

    // The selected option's index, or -1 when the group has no selection.
    int selectedIndex() const;

private:
    std::string m_name;
    std::vector<Option> m_options;
    Handler m_handler;
};

} // namespace gauge
