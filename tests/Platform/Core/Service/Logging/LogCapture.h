#pragma once

#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

#include <string>
#include <vector>

namespace Quarvane::Testing
{

// Collects what goes through Qt's logging while it lives, with Qt filter rules of its own.
class LogCapture
{
public:
    struct Line
    {
        QtMsgType type;
        std::string category;
        std::string message;
    };

    explicit LogCapture(const QString& filterRules = QStringLiteral("quarvane.*.debug=true"))
        : m_previous(qInstallMessageHandler(&LogCapture::collect))
    {
        active() = this;
        QLoggingCategory::setFilterRules(filterRules);
    }
    ~LogCapture()
    {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(m_previous);
        active() = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const Line& line : lines)
            texts.push_back(line.message);
        return texts;
    }

    std::vector<Line> lines;

private:
    static LogCapture*& active()
    {
        static LogCapture* capture = nullptr;
        return capture;
    }
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        const auto text = [](const char* value) { return std::string(value != nullptr ? value : ""); };
        active()->lines.push_back({type, text(context.category), message.toStdString()});
    }

    QtMessageHandler m_previous;
};

}  // namespace Quarvane::Testing
