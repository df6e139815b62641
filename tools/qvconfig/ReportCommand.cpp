#include "tools/qvconfig/ReportCommand.h"

#include "tools/qvconfig/CheckCommand.h"
#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/HtmlReport.h"
#include "tools/qvconfig/ObjectColorSwatches.h"
#include "tools/qvconfig/RangesPicture.h"
#include "tools/qvconfig/Usage.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QBuffer>
#include <QtCore/QSaveFile>

#include <ostream>
#include <sstream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "report";

const std::vector<AcceptedOption> s_options{
    {"help", 'h', false, false},
    {"system", 0, true, true},
    {"user", 0, true, false},
    {"product", 0, true, false},
    {"html", 0, true, false},
};

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

// What "qvconfig check" says about each file, both its findings and its errors.
std::vector<FileFindings> checkFiles(const ConfigurationFiles& files)
{
    std::vector<FileFindings> findings;
    // Each site file as a site file over those before it, the user file over all of them.
    std::vector<std::string> arguments;
    for (const std::string& path : files.systemFiles)
    {
        std::ostringstream text;
        std::vector<std::string> check = arguments;
        check.insert(check.end(), {"--as-system", "--", path});
        runCheck(check, text, text);
        findings.push_back({path, text.str()});
        arguments.insert(arguments.end(), {"--system", path});
    }
    if (!files.userFile.empty())
    {
        std::ostringstream text;
        arguments.insert(arguments.end(), {"--", files.userFile});
        runCheck(arguments, text, text);
        findings.push_back({files.userFile, text.str()});
    }
    return findings;
}

std::vector<ObjectView> describeGroups()
{
    std::vector<ObjectView> groups;
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    for (const std::string& name : manager.getConfigurationObjectNames())
        if (const ConfigurationObject* group = manager.getConfigurationObject(name))
            groups.push_back(describeObject(*group, BuildInformation::getProductType()));
    return groups;
}

bool writeFile(const std::string& path, const std::string& content, std::string& error)
{
    QSaveFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly) && file.write(content.data(), static_cast<qint64>(content.size())) ==
                                                static_cast<qint64>(content.size()) &&
        file.commit())
        return true;
    error = "cannot write " + path + ": " + file.errorString().toStdString();
    return false;
}
}  // namespace

int runReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    if (auto status = parseArguments(arguments, s_options, s_command, reportUsage(), commandLine, out, err))
        return *status;
    std::string error;
    if (!commandLine.positionals().empty())
        return usageError(err, s_command, "report takes no arguments, not \"" + commandLine.positionals().front() + "\"");
    if (!commandLine.has("html"))
        return usageError(err, s_command, "report needs --html FILE, the page to write");
    if (commandLine.has("product"))
    {
        const ProductType product = BuildInformation::productFromText(commandLine.value("product"));
        if (product == 0)
            return usageError(err, s_command,
                              "--product \"" + commandLine.value("product") + "\" names no product (1..63 or a name)");
        // The product decides which values groups hold, so it is in place before any group exists.
        BuildInformation::setProductType(product);
    }

    ReportContent content;
    content.files = {commandLine.values("system"), commandLine.value("user")};
    content.findings = checkFiles(content.files);
    content.loaded = loadConfiguration(content.files);
    content.product = describeProduct(BuildInformation::getProductType());
    content.groups = describeGroups();
    QString pictureError;
    content.colorsPng =
        pngBytes(drawColorsPicture(objectColorFamilies(*ColorConfiguration::getRegisteredInstance()), pictureError));
    content.rangesPng =
        pngBytes(drawRangesPicture(groupRanges(catalogueRanges(*ColorRangesConfiguration::getInstance())), pictureError));
    if (!pictureError.isEmpty())
        err << "warning: the pictures are left out: " << pictureError.toStdString() << '\n';

    const std::string path = commandLine.value("html");
    if (!writeFile(path, reportHtml(content), error))
    {
        err << "error: " << error << '\n';
        return ExitFailure;
    }
    out << path << ": " << content.groups.size() << " groups, " << content.loaded.warnings.size()
        << " warnings\n";
    return ExitSuccess;
}

}  // namespace QvConfig
}  // namespace Quarvane
