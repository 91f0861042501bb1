#pragma once

#include <string>
#include <utility>
#include <variant>

namespace gauge {

// Why something could not be done, in the words the technician (or a log line) is given.
struct Failure
{
    std::string reason;
};

// What a step that can fail gives back: its value, or the error that stopped it. This is the one
// way the core and the tools report a failure a caller must tell apart from success; the error
// is a Failure unless the caller needs more than words to act on it.
template<typename Value, typename Error = Failure> class [[nodiscard]] Result
{
public:
    Result(Value value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Error error)
        : m_state(std::in_place_index<1>, std::move(error))
    {
    }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const Value &value() const & { return std::get<0>(m_state); }
    Value &value() & { return std::get<0>(m_state); }
    Value &&value() && { return std::get<0>(std::move(m_state)); }
    const Error &error() const { return std::get<1>(m_state); }

private:
    std::variant<Value, Error> m_state;
};

// A step that gives nothing back but may fail.
template<typename Error> class [[nodiscard]] Result<void, Error>
{
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error))
        , m_failed(true)
    {
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }

    const Error &error() const { return m_error; }

private:
    Error m_error {};
    bool m_failed = false;
};

using Status = Result<void>;

} // namespace gauge
