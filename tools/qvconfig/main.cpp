#include "tools/qvconfig/Qvconfig.h"

#include <QtCore/QString>
#include <QtCore/QtGlobal>

#include <iostream>
#include <string>
#include <vector>

namespace
{
// Qt complains on stderr about a missing XDG_RUNTIME_DIR (under sudo, in containers) although
// the tool never needs that folder; other messages still reach the user.
void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
}
}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(filterQtMessages);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return Quarvane::QvConfig::run(arguments, std::cout, std::cerr);
}
