#pragma once

#include "tools/qvconfig/LoadedConfiguration.h"
#include "tools/qvconfig/ObjectView.h"

#include <QtCore/QByteArray>

#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// What a check of one file found, as "qvconfig check" prints it.
struct FileFindings
{
    std::string file;
    std::string text;
};

// Everything the support engineer's page shows.
struct ReportContent
{
    std::string product;
    ConfigurationFiles files;
    LoadedConfiguration loaded;
    std::vector<ObjectView> groups;
    std::vector<FileFindings> findings;
    QByteArray colorsPng;  // empty when the picture could not be made
    QByteArray rangesPng;
};

// One self-contained HTML page: no external resource, the pictures embedded as data. Values
// that differ from their default come first, in changed groups first.
std::string reportHtml(const ReportContent& content);

}  // namespace QvConfig
}  // namespace Quarvane
