#pragma once

#include <QJsonObject>

#include <memory>
#include <string>

// The production log: one JSON object a line for every gauge attempted, appended to a file that
// several runs may share. Each line goes out whole, in one write to a file opened for appending
// and locked meanwhile, so two runs never mix their lines, and is on the disk before the next
// gauge is offered.
class ProductionLog
{
public:
    // Opens the log, creating it where it is not there yet; nothing, and why, when it cannot.
    static std::unique_ptr<ProductionLog> open(const std::string &path, std::string &error);
    ~ProductionLog();
    ProductionLog(const ProductionLog &) = delete;
    ProductionLog &operator=(const ProductionLog &) = delete;

    // The system's words when the line could not be written whole, did not reach the disk, or
    // went to a file no longer there under the log's name.
    std::string append(const QJsonObject &line);

    // Why the log's name no longer leads to the file being written, if it does not: a run that
    // cannot be traced goes no further.
    std::string stillNamed() const;

    const std::string &path() const { return m_path; }

private:
    ProductionLog(std::string path, int descriptor, bool regularFile);
    std::string write(const std::string &text);

    std::string m_path;
    int m_descriptor;
    bool m_regularFile;
};
