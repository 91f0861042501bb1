#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <span>
#include <string>
#include <string_view>

// How gaugectl's machine-readable output carries what it reports. Keys are stable: scripts and
// quality systems read them.
namespace json {

// A name from the system (a file, a device) as text: a byte that is no part of UTF-8 is written
// "\xNN", and a backslash "\\", so that every name keeps its bytes and no two names read alike.
QJsonValue name(const std::string &bytes);
QJsonValue text(std::string_view utf8);
// Bytes as the text output shows them: "AA AA 03 ...".
QJsonValue hex(std::span<const std::uint8_t> bytes);

// One object on one line, as JSON Lines wants it.
std::string line(const QJsonObject &object);

} // namespace json
